#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

class IMediaProbe;
class ISourceFileDialog;
class SourceListModel;

// Adding source files to the source list: which files are accepted, how they are measured,
// and the rows they become.
namespace SourceAdding {

// The extensions a source may have, in small letters with the dot: the 13 of the open
// dialog's first filters, then the common kinds of today (mkv, webm, ts, ..., mp3, wma).
const QStringList &AcceptedExtensions();

// Whether path's extension, from the last "." of its file name on and lowered to small
// letters, is one of AcceptedExtensions().
bool IsAcceptedSourceFile(const QString &path);

// Why a path given for adding was not added.
enum class NotAddedReason { UnknownType, NothingInFolder, Missing, InvalidName };
struct NotAdded
{
    QString path;
    NotAddedReason reason;
};

// The files that adding paths means, in the order given: a file stands for itself, a
// folder for the accepted files inside it and its sub-folders (each folder's files in name
// order, then its sub-folders). What cannot be added is appended to notAdded: a file of
// another type, a folder with nothing to add, a path that names nothing, a name that
// arrived with bytes that are not UTF-8.
QStringList CollectSourceFiles(const QStringList &paths, QList<NotAdded> *notAdded);

// Why a path was not added, in a few words ("no such file").
QString ReasonText(NotAddedReason reason);

// The one message that names what could not be added and why; empty for nothing.
QString NotAddedMessage(const QList<NotAdded> &notAdded);

// The paths in the order of their first occurrence, each once (compared exactly).
QStringList RemoveDuplicatePaths(const QStringList &paths);

// The media duration of path in whole seconds (truncated); 0 when it cannot be found.
int ProbeDuration(const QString &path, IMediaProbe &probe);
// A duration in 100-nanosecond units as whole seconds (truncated); 0 for none.
int DurationSeconds(const std::optional<qint64> &duration);

// The size of path in bytes. Throws SourceFileError with "Cannot open file "%s". %s" when
// the file cannot be opened for reading.
qint64 GetSourceFileSize(const QString &path, IMediaProbe &probe);

// Shows the open dialog in initialDir and gives the chosen paths (empty when cancelled),
// without repeats when removeDuplicates is set.
QStringList SelectSourceFiles(ISourceFileDialog &dialog, bool removeDuplicates,
                              const QString &initialDir);

// What adding needs from outside the list: the probe, the codec error dialog for a file
// that cannot be read, and the trim strip's loading of the selected row. Either handler
// may be empty.
struct Services
{
    IMediaProbe *probe = nullptr;
    std::function<void(const QString &path)> showCodecErrorDialog;
    std::function<void()> loadSelectedRow;
};

// Appends a row for every path that is not in the list yet (compared exactly), has an
// accepted extension and can be measured; a file whose duration comes out as zero (or that
// does not answer within the time limit) gets the codec error dialog instead. The files are
// measured side by side on a few threads; the rows come in the order given. Then, when the list has rows, selects the first one and loads
// it. Gives the number of rows appended. Throws SourceFileError when a measured file cannot
// be opened for its size; the rows appended so far stay.
int AddSourceFiles(SourceListModel &list, const QStringList &paths, const Services &services);

} // namespace SourceAdding
