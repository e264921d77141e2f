#include "shell/SessionKeeper.h"

#include "preview/TrimMath.h"
#include "sources/SourceListModel.h"

#include <QFileInfo>

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
                    if (topLeft.column() <= SourceRow::kEndColumn ||
                        bottomRight.column() <= SourceRow::kEndColumn)
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

QStringList SessionKeeper::Restore(const SessionListFile::Session &last,
                                   const std::function<void(const QStringList &)> &addFiles)
{
    QStringList present;
    QStringList gone;
    for (const SessionListFile::Entry &e : last.rows)
        (QFileInfo(e.path).isFile() ? present : gone) << e.path;
    if (!present.isEmpty() && addFiles)
        addFiles(present);

    for (const SessionListFile::Entry &e : last.rows) {
        const int i = m_list.indexOfFile(e.path);
        if (i < 0)
            continue;
        m_list.setCell(i, SourceRow::kTickColumn,
                       e.checked && !e.converted ? QStringLiteral("True") : QStringLiteral("False"));
        if (e.start.isEmpty() || e.end.isEmpty())
            continue;
        // Checked as typed times are, against the duration the file has now.
        const SourceRow &r = m_list.row(i);
        const TrimMath::TypedTimes times =
            TrimMath::CheckTypedTimes(r.cell(SourceRow::kDurationColumn), e.start, e.end,
                                      r.cell(SourceRow::kCutColumn));
        if (!times.error.isEmpty())
            continue;
        m_list.setCell(i, SourceRow::kStartColumn, times.start);
        m_list.setCell(i, SourceRow::kEndColumn, times.end);
        m_list.setCell(i, SourceRow::kCutColumn, times.cut);
    }
    const int selected =
        last.selected >= 0 ? m_list.indexOfFile(last.rows.at(last.selected).path) : -1;
    if (selected >= 0) {
        m_list.clearSelection();
        m_list.setSelected(selected, true);
        m_list.setFocusedRow(selected);
    }
    return gone;
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
