#pragma once
// A document's file read whole, for the package layer to take apart.
#include <QByteArray>
#include <QString>

namespace office {

// The bytes of the file at path. Throws office::Error, naming the file, when
// it is missing or cannot be read.
QByteArray readFile(const QString& path);

} // namespace office
