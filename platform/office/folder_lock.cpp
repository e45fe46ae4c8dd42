#include "folder_lock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "office_error.h"
#include "platform/desktop/file_names.h"

namespace office {

FolderLock::FolderLock(const QString& folder, std::chrono::milliseconds patience) {
    fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // no folder to hold: whatever is written there next fails by itself
    const auto givenUp = std::chrono::steady_clock::now() + patience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd); // no locks here: nothing to wait for
            fd = -1;
            return;
        }
        if (std::chrono::steady_clock::now() >= givenUp) {
            ::close(fd);
            fd = -1;
            throw Error(QStringLiteral("Ο φάκελος %1 χρησιμοποιείται από άλλο πρόγραμμα, που δεν τον άφησε "
                                       "μέσα σε %2 δευτερόλεπτα. Δοκιμάστε ξανά σε λίγο.")
                            .arg(desktop::quoted(folder))
                            .arg(std::chrono::duration_cast<std::chrono::seconds>(patience).count()));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FolderLock::~FolderLock() {
    if (fd >= 0)
        ::close(fd); // lets the folder go
}

} // namespace office
