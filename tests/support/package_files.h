#pragma once
// A package read from its file and written to one, as the word processor and
// the spreadsheet read and write theirs.
#include <QDir>

#include "platform/office/ooxml.h"
#include "platform/office/read_file.h"
#include "platform/office/save_target.h"

namespace testsupport {

inline ooxml::Package packageAt(const QString& path) {
    return ooxml::Package::fromBytes(office::readFile(path), QDir::toNativeSeparators(path));
}

inline void savePackage(const ooxml::Package& package, const QString& path) {
    office::SaveTarget(path).write(package.toBytes());
}

} // namespace testsupport
