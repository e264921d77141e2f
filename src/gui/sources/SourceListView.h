#pragma once

#include <array>

#include <QStringList>
#include <QTableView>

class QMimeData;
class SourceCellDelegate;
class SourceListModel;

// The main window's source list (sourceList): a grid of the seven columns over
// the source list model, with the check column, in-place time editors for Start Time and
// End Time, several selected rows and one focused row kept in step with the model, rows
// that can be dragged out as files, and the events the main window's handlers answer.
class SourceListView : public QTableView
{
    Q_OBJECT

public:
    explicit SourceListView(QWidget *parent = nullptr);

    // The design widths of the seven columns; the list scales them to fill its width.
    static constexpr std::array<int, 8> kDesignWidths{16, 64, 28, 26, 26, 26, 26, 30};

    // Shows model; selection and focus follow the model's and the other way round.
    void setSourceModel(SourceListModel *model);
    SourceListModel *sourceModel() const { return m_model; }

    // The local file paths of a drop, in order; other kinds of address are left out.
    static QStringList DroppedPaths(const QMimeData *mime);

    // Ends a drag that started in the list: anywhere but on the list itself asks for the
    // dragged rows to be removed (rowsDraggedOut).
    void FinishRowDrag(bool droppedOnList);

Q_SIGNALS:
    // A key went down or up while the list had the focus (before the list acts on it).
    void handleListKey(int key, Qt::KeyboardModifiers modifiers);
    void handleListKeyRelease(int key, Qt::KeyboardModifiers modifiers);
    // A click in the list (the list's click event).
    void onListClicked();
    // A Start Time or End Time edit was committed to the row's cell.
    void timesEdited(int row, int column, const QString &text);
    // A drag of rows ended outside the list (the end-drag event); the rows were not moved.
    void removeDraggedRows();
    // Files from outside the program were dropped on the list.
    void filesDropped(const QStringList &paths);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void fitColumns(int keptSection);
    void pushSelectionToModel();
    void pullSelectionFromModel();

    SourceListModel *m_model = nullptr;
    SourceCellDelegate *m_delegate = nullptr;
    std::array<double, 8> m_shares{};
    bool m_fitting = false;
    bool m_syncing = false;
    bool m_modelChanging = false;
    bool m_droppedOnList = false;
};
