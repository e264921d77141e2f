#include "sources/SourceAdder.h"

#include <limits>
#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "platform/IMediaProbe.h"
#include "text/FileSizeText.h"
#include "text/TimeText.h"
#include "sources/ISourceFileDialog.h"
#include "sources/SourceFileError.h"
#include "sources/SourceListModel.h"
#include "sources/SourceMeasuring.h"
#include "sources/SourceRow.h"
#include <QCoreApplication>

namespace SourceAdding {

const QStringList &AcceptedExtensions()
{
    static const QStringList extensions{
        QStringLiteral(".3gp"),  QStringLiteral(".mp4"),  QStringLiteral(".m4v"),
        QStringLiteral(".mpeg"), QStringLiteral(".mpg"),  QStringLiteral(".asf"),
        QStringLiteral(".mov"),  QStringLiteral(".swf"),  QStringLiteral(".flv"),
        QStringLiteral(".wmv"),  QStringLiteral(".avi"),  QStringLiteral(".rm"),
        QStringLiteral(".rmvb"),
        // The common kinds of today.
        QStringLiteral(".mkv"),  QStringLiteral(".webm"), QStringLiteral(".ts"),
        QStringLiteral(".mts"),  QStringLiteral(".m2ts"), QStringLiteral(".vob"),
        QStringLiteral(".ogv"),  QStringLiteral(".3g2"),  QStringLiteral(".m4a"),
        QStringLiteral(".mp3"),  QStringLiteral(".wav"),  QStringLiteral(".ogg"),
        QStringLiteral(".oga"),  QStringLiteral(".opus"), QStringLiteral(".flac"),
        QStringLiteral(".aac"),  QStringLiteral(".amr"),  QStringLiteral(".wma")};
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

namespace {

// The accepted files of folder and its sub-folders: each folder's files in name order, then
// its sub-folders in name order. A folder reached twice (through a link) is read once.
void collectFolder(const QString &folder, QStringList *files, QSet<QString> *seen)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || seen->contains(canonical))
        return;
    seen->insert(canonical);
    const QDir dir(folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files, order)) {
        if (IsAcceptedSourceFile(file.filePath()))
            *files << file.filePath();
    }
    for (const QFileInfo &sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, order))
        collectFolder(sub.filePath(), files, seen);
}

} // namespace

QString ReasonText(NotAddedReason reason)
{
    switch (reason) {
    case NotAddedReason::UnknownType:
        return QCoreApplication::translate("SourceAdder", "not a supported file type");
    case NotAddedReason::NothingInFolder:
        return QCoreApplication::translate("SourceAdder", "a folder without supported files");
    case NotAddedReason::Missing:
        return QCoreApplication::translate("SourceAdder", "no such file");
    case NotAddedReason::InvalidName:
        return QCoreApplication::translate("SourceAdder", "the name is not valid UTF-8");
    }
    return QString();
}

QStringList CollectSourceFiles(const QStringList &paths, QList<NotAdded> *notAdded)
{
    QStringList files;
    auto refuse = [notAdded](const QString &path, NotAddedReason reason) {
        if (notAdded)
            notAdded->append({path, reason});
    };
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QSet<QString> seen;
            const qsizetype before = files.size();
            collectFolder(path, &files, &seen);
            if (files.size() == before)
                refuse(path, NotAddedReason::NothingInFolder);
        } else if (!info.exists()) {
            // A name that arrived with bytes that are not UTF-8 has them replaced, so it
            // names no file; it is reported as what it is, not as a missing file.
            refuse(path, path.contains(QChar::ReplacementCharacter)
                             ? NotAddedReason::InvalidName
                             : NotAddedReason::Missing);
        } else if (!IsAcceptedSourceFile(path)) {
            refuse(path, NotAddedReason::UnknownType);
        } else {
            files << path;
        }
    }
    return files;
}

QString NotAddedMessage(const QList<NotAdded> &notAdded)
{
    if (notAdded.isEmpty())
        return QString();
    // A long list is cut, so that the box fits on the screen.
    constexpr qsizetype kShown = 15;
    QStringList lines;
    for (qsizetype i = 0; i < notAdded.size() && i < kShown; ++i)
        lines << QStringLiteral("%1 (%2)").arg(notAdded[i].path, ReasonText(notAdded[i].reason));
    if (notAdded.size() > kShown)
        lines << QCoreApplication::translate("SourceAdder", "... and %1 more.")
                     .arg(notAdded.size() - kShown);
    return QCoreApplication::translate("SourceAdder", "These could not be added:\n\n") + lines.join(QLatin1Char('\n'));
}

int DurationSeconds(const std::optional<qint64> &duration)
{
    if (!duration || *duration <= 0)
        return 0;
    // 100-nanosecond units to milliseconds, then whole seconds, both truncating.
    const qint64 seconds = *duration / 10000 / 1000;
    return int(qMin<qint64>(seconds, std::numeric_limits<int>::max()));
}

int ProbeDuration(const QString &path, IMediaProbe &probe)
{
    return DurationSeconds(probe.RenderDuration(path));
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
    // A path already in the list, or given twice, is added once.
    QStringList wanted;
    QSet<QString> seen;
    for (const QString &path : paths) {
        if (!IsAcceptedSourceFile(path) || seen.contains(path) ||
            (list.count() > 0 && list.indexOfFile(path, Qt::CaseSensitive) >= 0))
            continue;
        seen.insert(path);
        wanted << path;
    }
    // The files are measured side by side; the rows come in the order given.
    std::unique_ptr<SourceMeasuring> measuring;
    if (services.probe && !wanted.isEmpty())
        measuring = std::make_unique<SourceMeasuring>(*services.probe, wanted,
                                                      SourceMeasuring::DefaultThreads(),
                                                      SourceMeasuring::kLimitMs);
    int appended = 0;
    for (int i = 0; i < wanted.size(); ++i) {
        const QString &path = wanted.at(i);
        const SourceMeasuring::Result measured =
            measuring ? measuring->Take(i) : SourceMeasuring::Result{};
        const QString duration = TimeText::FromSeconds(DurationSeconds(measured.duration));
        if (duration == QLatin1String("00:00:00")) {
            if (services.showCodecErrorDialog)
                services.showCodecErrorDialog(path);
            continue;
        }
        if (!measured.size)
            throw SourceFileError(
                QStringLiteral("Cannot open file \"%1\". %2").arg(path, measured.sizeReason));
        list.appendRow(SourceRow::ForNewSource(path, FileSizeText::Of(*measured.size), duration));
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
