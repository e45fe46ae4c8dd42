#include "disk_fault.h"

namespace office {

namespace {
std::function<int(DiskStep, const QString&)>& diskFault() {
    static std::function<int(DiskStep, const QString&)> fault;
    return fault;
}
} // namespace

void setDiskFault(std::function<int(DiskStep step, const QString& path)> fault) {
    diskFault() = std::move(fault);
}

int diskFaultAt(DiskStep step, const QString& path) {
    return diskFault() ? diskFault()(step, path) : 0;
}

} // namespace office
