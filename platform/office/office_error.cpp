#include "office_error.h"

#include <cerrno>
#include <cstring>

#include "platform/desktop/file_names.h"

namespace office {

QString failureCause(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("δεν υπάρχει ελεύθερος χώρος στον δίσκο");
    case EACCES:
    case EPERM:
        return QStringLiteral("δεν επιτρέπεται η εγγραφή στον φάκελο");
    case EROFS:
        return QStringLiteral("ο δίσκος είναι μόνο για ανάγνωση");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ο φάκελος δεν υπάρχει");
    case ENAMETOOLONG:
        return QStringLiteral("το όνομα του αρχείου είναι πολύ μεγάλο");
    case EISDIR:
        return QStringLiteral("στη θέση του αρχείου υπάρχει φάκελος");
    case EIO:
        return QStringLiteral("ο δίσκος δεν ολοκλήρωσε την εγγραφή (σφάλμα εισόδου/εξόδου)");
    case ELOOP:
        return QStringLiteral("η διαδρομή περνά από πάρα πολλούς συνδέσμους στη σειρά ή από συνδέσμους "
                              "που δείχνουν ο ένας στον άλλον");
    case EINVAL:
        return QStringLiteral(
            "το σύστημα αρχείων του φακέλου δεν δέχεται αυτό το όνομα ή αυτή τη λειτουργία");
    case ENOSYS:
    case EOPNOTSUPP:
        return QStringLiteral("το σύστημα αρχείων του φακέλου δεν υποστηρίζει αυτή τη λειτουργία");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

NotSaved::NotSaved(const QString& path, int error)
    : NotSaved(path, error, failureCause(error)) {}

NotSaved::NotSaved(const QString& path, int error, const QString& cause)
    : Error(QStringLiteral("Το αρχείο %1 δεν αποθηκεύτηκε: %2.").arg(desktop::quoted(path), cause))
    , path(path)
    , error(error) {}

Unconfirmed::Unconfirmed(const QString& path, int error)
    : Error(QStringLiteral("Το αρχείο %1 γράφτηκε, αλλά ο δίσκος δεν επιβεβαίωσε ότι θα μείνει στη θέση "
                           "του: %2.")
                .arg(desktop::quoted(path), failureCause(error)))
    , path(path)
    , error(error) {}

} // namespace office
