#pragma once
// How a message names a file: its path with the system's own separators,
// between Greek quotation marks, «C:\μελέτες\Πάτρα.doc».
#include <QString>

namespace desktop {

QString quoted(const QString& path);
// The desktop had no application for the file.
QString noApplicationFor(const QString& path);

} // namespace desktop
