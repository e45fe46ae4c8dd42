#pragma once
// The package a new blank document starts from; the program's templates are
// made from it, so they share its page and its style sheet.
#include "ooxml.h"

namespace word {

ooxml::Package blankPackage();

} // namespace word
