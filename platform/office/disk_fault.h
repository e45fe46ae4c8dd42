#pragma once
// Tests make the disk fail with this. Every save asks it, with the path of the
// file or folder at hand, in place of each step it takes on the disk: setting
// the new file's mode (Mode), writing its bytes (Write), each wait for the disk
// (Flush: the file's before the rename, its folder's after) and the rename
// that gives the file its name (Rename); every read of a document's file asks
// it before it reads (Read). A nonzero errno value fails that step as the disk
// would; what the fault itself throws goes on as thrown. Empty, as it starts:
// the disk as it is.
#include <QString>
#include <functional>

namespace office {

enum class DiskStep { Mode, Write, Flush, Rename, Read };
void setDiskFault(std::function<int(DiskStep step, const QString& path)> fault);

// The errno value the disk fails this step with, or 0.
int diskFaultAt(DiskStep step, const QString& path);

} // namespace office
