#include "sources/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// The extension of a file name from its last "." on, or empty text.
QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

namespace FileNames {

QString TextAfterLast(const QString &text, QChar delimiter)
{
    const qsizetype at = text.lastIndexOf(delimiter);
    return at < 0 ? text : text.mid(at + 1);
}

QStringList ListFolderEntries(const QString &folder, const QString &filter)
{
    QStringList result;
    QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        // A plain folder is skipped; a hidden one, like a folder carrying a further
        // attribute, still counts.
        if (entry.isDir() && !entry.isSymLink() && !entry.isHidden())
            continue;
        const QString name = entry.fileName();
        if (!filter.isEmpty() && extensionOf(name) != filter)
            continue;
        result << folder + name;
    }
    return result;
}

QString BaseNameOf(const QString &path)
{
    const QString name = fileNameOf(path);
    const QString ext = TextAfterLast(name, QLatin1Char('.'));
    return name.left(qMax<qsizetype>(0, name.size() - ext.size() - 1));
}

QString UniqueFileName(const QString &path)
{
    const QString startBase = BaseNameOf(path);
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QString ext = extensionOf(fileNameOf(path));
    QSet<QString> taken;
    for (const QString &entry : ListFolderEntries(folder, QString()))
        taken.insert(BaseNameOf(entry));

    // The folder is listed once; candidates go base, then _1, _2, ... as long as the base
    // name is taken.
    QString base = startBase;
    qint64 number = 0;
    while (taken.contains(base)) {
        if (base == startBase) {
            number = 1;
            base = startBase + QStringLiteral("_1");
        } else {
            const qsizetype bar = base.lastIndexOf(QLatin1Char('_'));
            number = base.mid(bar + 1).toLongLong() + 1;
            base = base.left(bar + 1) + QString::number(number);
        }
    }
    return folder + base + ext;
}

} // namespace FileNames
