#include "sources/SourceListModel.h"

#include <QCoreApplication>

SourceListModel::SourceListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString SourceListModel::cell(int index, int column) const
{
    if (index < 0 || index >= m_rows.size())
        return QString();
    return m_rows.at(index).row.cell(column);
}

void SourceListModel::setCell(int index, int column, const QString &text)
{
    if (index < 0 || index >= m_rows.size() || column < 0 || column >= SourceRow::ColumnCount)
        return;
    QString &target = m_rows[index].row.cells[column];
    if (target == text)
        return;
    target = text;
    const QModelIndex changed = this->index(index, column);
    Q_EMIT dataChanged(changed, changed);
}

void SourceListModel::appendRow(const SourceRow &row)
{
    const int at = m_rows.size();
    beginInsertRows(QModelIndex(), at, at);
    m_rows.append(Entry{row, false});
    endInsertRows();
}

void SourceListModel::deleteRow(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    const bool wasSelected = m_rows.at(index).selected;
    beginRemoveRows(QModelIndex(), index, index);
    m_rows.removeAt(index);
    endRemoveRows();

    if (m_focused == index) {
        m_focused = -1;
        Q_EMIT focusChanged(m_focused);
    } else if (m_focused > index) {
        --m_focused;
        Q_EMIT focusChanged(m_focused);
    }
    if (wasSelected)
        Q_EMIT selectionChanged();
}

void SourceListModel::clear()
{
    if (m_rows.isEmpty())
        return;
    bool anySelected = false;
    for (const Entry &entry : std::as_const(m_rows))
        anySelected = anySelected || entry.selected;
    beginResetModel();
    m_rows.clear();
    endResetModel();
    if (m_focused != -1) {
        m_focused = -1;
        Q_EMIT focusChanged(m_focused);
    }
    if (anySelected)
        Q_EMIT selectionChanged();
}

int SourceListModel::indexOfFile(const QString &path, Qt::CaseSensitivity cs) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).row.fileName().compare(path, cs) == 0)
            return i;
    }
    return -1;
}

int SourceListModel::lastIndexOfFile(const QString &path, Qt::CaseSensitivity cs) const
{
    for (int i = m_rows.size() - 1; i >= 0; --i) {
        if (m_rows.at(i).row.fileName().compare(path, cs) == 0)
            return i;
    }
    return -1;
}

int SourceListModel::checkedCount() const
{
    int checked = 0;
    for (const Entry &entry : m_rows)
        checked += entry.row.isChecked() ? 1 : 0;
    return checked;
}

bool SourceListModel::isSelected(int index) const
{
    return index >= 0 && index < m_rows.size() && m_rows.at(index).selected;
}

void SourceListModel::setSelected(int index, bool selected)
{
    if (index < 0 || index >= m_rows.size() || m_rows.at(index).selected == selected)
        return;
    m_rows[index].selected = selected;
    Q_EMIT selectionChanged();
}

QList<int> SourceListModel::selectedRows() const
{
    QList<int> selected;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).selected)
            selected << i;
    }
    return selected;
}

void SourceListModel::clearSelection()
{
    bool changed = false;
    for (Entry &entry : m_rows) {
        changed = changed || entry.selected;
        entry.selected = false;
    }
    if (changed)
        Q_EMIT selectionChanged();
}

void SourceListModel::setFocusedRow(int index)
{
    if (index < 0 || index >= m_rows.size())
        index = -1;
    if (index == m_focused)
        return;
    m_focused = index;
    Q_EMIT focusChanged(m_focused);
}

int SourceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int SourceListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SourceRow::ColumnCount;
}

QVariant SourceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const SourceRow &row = m_rows.at(index.row()).row;
    if (index.column() == SourceRow::kTickColumn) {
        if (role == Qt::CheckStateRole)
            return row.isChecked() ? Qt::Checked : Qt::Unchecked;
        // A screen reader names the tick by the file it takes into the batch.
        if (role == Qt::AccessibleTextRole)
            return QCoreApplication::translate("SourceListModel", "Convert %1")
                .arg(row.cell(SourceRow::kNameColumn));
        return QVariant();
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return row.cell(index.column());
    return QVariant();
}

bool SourceListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return false;
    const int column = index.column();
    if (column == SourceRow::kTickColumn && role == Qt::CheckStateRole) {
        const bool checked = value.toInt() == Qt::Checked;
        setCell(index.row(), column, checked ? QStringLiteral("True") : QStringLiteral("False"));
        return true;
    }
    if ((column == SourceRow::kStartColumn ||
         column == SourceRow::kEndColumn) &&
        role == Qt::EditRole) {
        setCell(index.row(), column, value.toString());
        return true;
    }
    return false;
}

QVariant SourceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The tool tip gives the whole caption where a narrow column cuts it.
    // The tick column shows a box, not a caption; a screen reader hears what it is for.
    if (orientation == Qt::Horizontal && section == SourceRow::kTickColumn &&
        role == Qt::AccessibleTextRole)
        return QCoreApplication::translate("SourceListModel", "Convert");
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return SourceRow::HeaderCaptions().value(section);
}

Qt::ItemFlags SourceListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    switch (index.column()) {
    case SourceRow::kTickColumn:
        result |= Qt::ItemIsUserCheckable;
        break;
    case SourceRow::kStartColumn:
    case SourceRow::kEndColumn:
        result |= Qt::ItemIsEditable;
        break;
    default:
        break;
    }
    return result;
}
