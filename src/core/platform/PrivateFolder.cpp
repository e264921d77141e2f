#include "platform/PrivateFolder.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>

namespace PrivateFolder {

bool IsPrivate(const QString &path, uid_t userId)
{
    struct stat info
    {
    };
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == userId && (info.st_mode & 077) == 0;
}

QString ForUser(const QProcessEnvironment &env, uid_t userId)
{
    QString base = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!QDir::isAbsolutePath(base) || !IsPrivate(base, userId)) {
        base = env.value(QStringLiteral("TMPDIR"));
        if (!QDir::isAbsolutePath(base))
            base = QStringLiteral("/tmp");
    }
    const QString folder =
        QDir::cleanPath(base) + QStringLiteral("/clipwright-%1").arg(qulonglong(userId));
    // mkdir never follows a link planted under the name; the check after it refuses a
    // folder that someone else made first.
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return IsPrivate(folder, userId) ? folder + QLatin1Char('/') : QString();
}

} // namespace PrivateFolder
