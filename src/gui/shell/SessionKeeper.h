#pragma once

#include "sources/SessionListFile.h"

#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

class SourceListModel;

// Keeps the session's source list (files, ticks, trims, the selected row, and the rows an
// unfinished batch converted) in a file of the state folder whenever it changes, so that a
// crash, a kill or a power cut does not lose it. A normal close removes the file; finding it
// at the next start means the program did not close normally.
class SessionKeeper : public QObject
{
    Q_OBJECT

public:
    SessionKeeper(SourceListModel &list, const QString &filePath, QObject *parent = nullptr);

    // What the last session left: its list when it did not close normally. A file that
    // cannot be read is set aside as "<file>.bad" and counts as none.
    SessionListFile::Session Leftover();

    // From now on every change of the list is written (shortly after it, changes coming
    // together written once); writes the list as it stands now.
    void Watch();
    // The running batch converted row; a new batch forgets the rows of the last one.
    void JobEnded(int row, bool converted);
    void BatchStarting();
    // The program closes normally: the file goes and nothing is written any more.
    void Clear();

    // Brings the rows of last back: addFiles adds the files that still exist (as a drop
    // does), then their ticks, trims and the selection are set as they were; rows that an
    // unfinished batch converted come back unticked. Gives the files that are gone.
    QStringList Restore(const SessionListFile::Session &last,
                        const std::function<void(const QStringList &)> &addFiles);

    // The list as the file would keep it now.
    SessionListFile::Session Snapshot() const;

private:
    void changed();
    void save();

    SourceListModel &m_list;
    QString m_path;
    QSet<int> m_converted;
    QTimer m_saveTimer;
    bool m_watching = false;
};
