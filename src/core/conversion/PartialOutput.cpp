#include "conversion/PartialOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

QStringList PartialOutput::RemoveFor(const QString &folder, qint64 pid)
{
    QStringList removed;
    if (pid <= 0 || folder.isEmpty())
        return removed;
    const QString suffix = QLatin1Char('.') + QString::number(pid) + QStringLiteral(".part");
    const QStringList names =
        QDir(folder).entryList({QStringLiteral(".*") + suffix},
                               QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        // The middle of the name may be shortened, but it begins with the dot and ends with
        // this encoder's id, and it is a plain file: a link or a folder is not the encoder's.
        if (!name.startsWith(QLatin1Char('.')) || !name.endsWith(suffix) ||
            name.size() <= suffix.size() + 1)
            continue;
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
        struct stat info
        {
        };
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (::unlink(path.constData()) == 0)
            removed << name;
    }
    return removed;
}
