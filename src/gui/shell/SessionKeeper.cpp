#include "shell/SessionKeeper.h"

#include "sources/SourceListModel.h"

#include <QFile>

namespace {
// Changes that come together (a drop of many files, a trim dragged) are written once.
constexpr int kSaveDelayMs = 200;
} // namespace

SessionKeeper::SessionKeeper(SourceListModel &list, const QString &filePath, QObject *parent)
    : QObject(parent), m_list(list), m_path(filePath)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &SessionKeeper::save);
}

SessionListFile::Session SessionKeeper::Leftover()
{
    const SessionListFile::ReadResult read = SessionListFile::Read(m_path);
    switch (read.status) {
    case SessionListFile::Status::Ok:
        return read.session;
    case SessionListFile::Status::Missing:
        return {};
    default:
        SessionListFile::SetAside(m_path);
        return {};
    }
}

void SessionKeeper::Watch()
{
    if (!m_watching) {
        m_watching = true;
        // Rows added or removed shift the rows a batch converted: those marks are gone.
        auto rowsMoved = [this] {
            m_converted.clear();
            changed();
        };
        connect(&m_list, &QAbstractItemModel::rowsInserted, this, rowsMoved);
        connect(&m_list, &QAbstractItemModel::rowsRemoved, this, rowsMoved);
        connect(&m_list, &QAbstractItemModel::modelReset, this, rowsMoved);
        // Only the cells the file keeps: the estimated output size changes with every
        // choice of type or profile and is not kept.
        connect(&m_list, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                    if (topLeft.column() <= SourceRow::dxtrlSourceFileEndTime ||
                        bottomRight.column() <= SourceRow::dxtrlSourceFileEndTime)
                        changed();
                });
        connect(&m_list, &SourceListModel::selectionChanged, this, &SessionKeeper::changed);
    }
    save();
}

void SessionKeeper::JobEnded(int row, bool converted)
{
    if (converted)
        m_converted.insert(row);
    save();
}

void SessionKeeper::BatchStarting()
{
    m_converted.clear();
}

void SessionKeeper::Clear()
{
    m_watching = false;
    m_saveTimer.stop();
    disconnect(&m_list, nullptr, this, nullptr);
    QFile::remove(m_path);
}

SessionListFile::Session SessionKeeper::Snapshot() const
{
    SessionListFile::Session session;
    for (int i = 0; i < m_list.count(); ++i) {
        const SourceRow &row = m_list.row(i);
        session.rows << SessionListFile::Entry{row.fileName(), row.isChecked(), m_converted.contains(i),
                                               row.startTime(), row.endTime()};
        if (session.selected < 0 && m_list.isSelected(i))
            session.selected = i;
    }
    return session;
}

void SessionKeeper::changed()
{
    if (m_watching)
        m_saveTimer.start();
}

void SessionKeeper::save()
{
    if (!m_watching)
        return;
    m_saveTimer.stop();
    // An empty list is no session to come back to.
    if (m_list.count() == 0)
        QFile::remove(m_path);
    else
        SessionListFile::Write(m_path, Snapshot());
}
