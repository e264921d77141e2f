#pragma once

#include "sources/SourceRow.h"

#include <QAbstractTableModel>
#include <QList>

// The main window's source list (sourceList) without a window: the rows in the
// order they were added, which of them are selected (any number), and the one row that
// holds the keyboard focus (-1 for none), which need not be selected. The list view shows
// it through the table model interface; the program's commands use the operations below.
class SourceListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SourceListModel(QObject *parent = nullptr);

    // Rows.
    int count() const { return m_rows.size(); }
    const SourceRow &row(int index) const { return m_rows.at(index).row; }
    // The cell text, or empty text for a row or column the list does not have.
    QString cell(int index, int column) const;
    // Changes one cell; ignored for a row or column the list does not have.
    void setCell(int index, int column, const QString &text);
    void appendRow(const SourceRow &row);
    // Deletes one row; the focus moves with the rows below it, and is lost with its row.
    void deleteRow(int index);
    // Deletes every row.
    void clear();

    // The first row whose file name equals path, or -1 (the adding compares exactly).
    int indexOfFile(const QString &path, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // The last row whose file name equals path, or -1 (lookups by the job builder and the
    // trim strip ignore letter case and take the last match).
    int lastIndexOfFile(const QString &path, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;
    // The number of rows ticked for conversion.
    int checkedCount() const;

    // Selection, in list order.
    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    QList<int> selectedRows() const;
    void clearSelection();

    // The focused row, -1 when no row has the focus.
    int focusedRow() const { return m_focused; }
    // Sets the focused row; an index the list does not have leaves no row focused.
    void setFocusedRow(int index);

    // Table model interface for the list view.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    // The set of selected rows changed.
    void selectionChanged();
    // The focused row changed (-1 for none).
    void focusChanged(int index);

private:
    struct Entry
    {
        SourceRow row;
        bool selected = false;
    };
    QList<Entry> m_rows;
    int m_focused = -1;
};
