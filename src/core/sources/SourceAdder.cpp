#include "sources/SourceAdder.h"

#include <limits>

#include "platform/IMediaProbe.h"
#include "shell/TCommonLib.h"
#include "sources/ISourceFileDialog.h"
#include "sources/SourceFileError.h"
#include "sources/SourceListModel.h"
#include "sources/SourceRow.h"

namespace SourceAdding {

const QStringList &AcceptedExtensions()
{
    static const QStringList extensions{
        QStringLiteral(".3gp"),  QStringLiteral(".mp4"), QStringLiteral(".m4v"),
        QStringLiteral(".mpeg"), QStringLiteral(".mpg"), QStringLiteral(".asf"),
        QStringLiteral(".mov"),  QStringLiteral(".swf"), QStringLiteral(".flv"),
        QStringLiteral(".wmv"),  QStringLiteral(".avi"), QStringLiteral(".rm"),
        QStringLiteral(".rmvb")};
    return extensions;
}

bool IsAcceptedSourceFile(const QString &path)
{
    // The extension belongs to the file name: a dot in a folder name does not count.
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    return AcceptedExtensions().contains(fileName.mid(dot).toLower());
}

QStringList RemoveDuplicatePaths(const QStringList &paths)
{
    QStringList result;
    result.reserve(paths.size());
    for (const QString &path : paths) {
        if (!result.contains(path, Qt::CaseSensitive))
            result << path;
    }
    return result;
}

int ProbeDuration(const QString &path, IMediaProbe &probe)
{
    const std::optional<qint64> duration = probe.RenderDuration(path);
    if (!duration || *duration <= 0)
        return 0;
    // 100-nanosecond units to milliseconds, then whole seconds, both truncating.
    const qint64 seconds = *duration / 10000 / 1000;
    return int(qMin<qint64>(seconds, std::numeric_limits<int>::max()));
}

qint64 GetSourceFileSize(const QString &path, IMediaProbe &probe)
{
    QString reason;
    const std::optional<qint64> size = probe.FileSize(path, &reason);
    if (!size)
        throw SourceFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    return *size;
}

QStringList SelectSourceFiles(ISourceFileDialog &dialog, bool removeDuplicates,
                              const QString &initialDir)
{
    QStringList files;
    if (!dialog.Execute(initialDir, &files))
        return QStringList();
    return removeDuplicates ? RemoveDuplicatePaths(files) : files;
}

int AddSourceFiles(SourceListModel &list, const QStringList &paths, const Services &services)
{
    int appended = 0;
    for (const QString &path : paths) {
        // Rows appended earlier in this call count, so a path given twice is added once.
        if (list.count() > 0 && list.indexOfFile(path, Qt::CaseSensitive) >= 0)
            continue;
        if (!IsAcceptedSourceFile(path))
            continue;
        const QString duration =
            TCommonLib::FormatDuration(services.probe ? ProbeDuration(path, *services.probe) : 0);
        if (duration == QLatin1String("00:00:00")) {
            if (services.showCodecErrorDialog)
                services.showCodecErrorDialog(path);
            continue;
        }
        const QString size = TCommonLib::FormatSize(GetSourceFileSize(path, *services.probe));
        list.appendRow(SourceRow::ForNewSource(path, size, duration));
        ++appended;
    }
    if (list.count() > 0) {
        list.setSelected(0, true);
        if (services.loadSelectedRow)
            services.loadSelectedRow();
    }
    return appended;
}

} // namespace SourceAdding
