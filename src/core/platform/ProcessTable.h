#pragma once

#include <QList>
#include <QString>

// One running process seen in /proc.
struct ProcessEntry
{
    qint64 pid = 0;
    qint64 parentPid = 0;
    qint64 processGroup = 0;
    // The file name of the process's executable (no folder); the kernel's short process
    // name when the executable cannot be read.
    QString exeName;
};

// A snapshot of the processes that descend from one process (by default this program),
// read from /proc. Processes of anyone else are never listed, so an encoder started by hand
// or by another program is neither waited for nor ended by name.
class ProcessTable
{
public:
    // The living descendants of root (children, their children and so on; root itself and
    // finished processes not yet reaped left out), in ascending process id order. Empty
    // when /proc cannot be read.
    static QList<ProcessEntry> Descendants(qint64 root = CurrentProcessId());

    // The entries whose executable name equals name without regard to letter case, in
    // snapshot order.
    static QList<ProcessEntry> WithName(const QList<ProcessEntry> &entries, const QString &name);

    // The id of the last process in the snapshot with that executable name (letter case
    // ignored), or 0 when there is none.
    static qint64 FindLastByName(const QList<ProcessEntry> &entries, const QString &name);

    static qint64 CurrentProcessId();

    // When the process with that id started (clock ticks after boot): with its id it names
    // one process for good, as ids are used again. 0 when no such process runs.
    static qint64 StartTime(qint64 pid);
};
