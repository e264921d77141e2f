#include "platform/ProcessTable.h"

#include <algorithm>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

struct StatLine
{
    qint64 parentPid = 0;
    qint64 processGroup = 0;
    qint64 startTime = 0; // clock ticks after boot
    bool finished = false;
};

// "/proc/<pid>/stat" reads "pid (name) state ppid pgrp ..."; the name may hold blanks
// and parentheses, so the fields are taken after the last ")".
bool readStat(qint64 pid, StatLine &line)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = file.read(4096);
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 3)
        return false;
    line.finished = fields[0] == "Z" || fields[0] == "X";
    bool ok = false;
    line.parentPid = fields[1].toLongLong(&ok);
    if (!ok)
        return false;
    line.processGroup = fields[2].toLongLong();
    line.startTime = fields.size() > 19 ? fields[19].toLongLong() : 0;
    return true;
}

QString executableName(qint64 pid)
{
    QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    if (target.endsWith(QLatin1String(" (deleted)")))
        target.chop(10);
    if (!target.isEmpty())
        return QFileInfo(target).fileName();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.readAll()).trimmed();
    return QString();
}

} // namespace

qint64 ProcessTable::StartTime(qint64 pid)
{
    StatLine stat;
    return pid > 0 && readStat(pid, stat) && !stat.finished ? stat.startTime : 0;
}

qint64 ProcessTable::CurrentProcessId()
{
    return static_cast<qint64>(::getpid());
}

QList<ProcessEntry> ProcessTable::Descendants(qint64 root)
{
    QList<qint64> pids;
    const QStringList names =
        QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        bool ok = false;
        const qint64 pid = name.toLongLong(&ok);
        if (ok && pid > 0)
            pids << pid;
    }
    std::sort(pids.begin(), pids.end());

    QHash<qint64, ProcessEntry> living;
    QHash<qint64, QList<qint64>> children;
    for (qint64 pid : pids) {
        StatLine stat;
        if (!readStat(pid, stat))
            continue; // ended while we looked
        children[stat.parentPid] << pid;
        if (stat.finished)
            continue;
        ProcessEntry entry;
        entry.pid = pid;
        entry.parentPid = stat.parentPid;
        entry.processGroup = stat.processGroup;
        living.insert(pid, entry);
    }

    // Walk down from root; a finished process still passes its living children on.
    QSet<qint64> family;
    QList<qint64> pending{root};
    while (!pending.isEmpty()) {
        const qint64 pid = pending.takeLast();
        for (qint64 child : children.value(pid)) {
            if (child != root && !family.contains(child)) {
                family.insert(child);
                pending << child;
            }
        }
    }

    QList<ProcessEntry> result;
    for (qint64 pid : pids) {
        if (!family.contains(pid) || !living.contains(pid))
            continue;
        ProcessEntry entry = living.value(pid);
        entry.exeName = executableName(pid);
        result << entry;
    }
    return result;
}

QList<ProcessEntry> ProcessTable::WithName(const QList<ProcessEntry> &entries, const QString &name)
{
    QList<ProcessEntry> result;
    if (name.isEmpty())
        return result;
    for (const ProcessEntry &entry : entries)
        if (entry.exeName.compare(name, Qt::CaseInsensitive) == 0)
            result << entry;
    return result;
}

qint64 ProcessTable::FindLastByName(const QList<ProcessEntry> &entries, const QString &name)
{
    const QList<ProcessEntry> found = WithName(entries, name);
    return found.isEmpty() ? 0 : found.last().pid;
}
