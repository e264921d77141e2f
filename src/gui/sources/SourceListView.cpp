#include "sources/SourceListView.h"

#include <numeric>

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QUrl>

#include "sources/SourceCellDelegate.h"
#include "sources/SourceListCommands.h"
#include "sources/SourceListModel.h"
#include "sources/SourceRow.h"

namespace {

// The header of the list: the check column shows a ticked box instead of a caption.
class SourceListHeader : public QHeaderView
{
public:
    explicit SourceListHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        // The base leaves the painter clipped to its caption, which this column lacks.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        if (logicalIndex != SourceRow::kTickColumn)
            return;
        // A ticked box drawn by hand, so that it looks the same under any style sheet.
        const int side = 11;
        const QRect box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
        painter->save();
        painter->setClipRect(rect);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(0x6f, 0x86, 0xa8), 1));
        painter->setBrush(QColor(0xf4, 0xf7, 0xfb));
        painter->drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->setPen(QPen(QColor(0x1a, 0x27, 0x3b), 1.6));
        const QPointF tick[] = {QPointF(box.left() + 2.5, box.top() + 5.5),
                                QPointF(box.left() + 4.5, box.top() + 8),
                                QPointF(box.left() + 8.5, box.top() + 2.5)};
        painter->drawPolyline(tick, 3);
        painter->restore();
    }
};

bool isTimeColumn(int column)
{
    return column == SourceRow::kStartColumn ||
           column == SourceRow::kEndColumn;
}

} // namespace

SourceListView::SourceListView(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("sourceList"));
    setHorizontalHeader(new SourceListHeader(this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    // A caption longer than its column (in some languages) ends in "...", its tool tip whole.
    horizontalHeader()->setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(true);
    setFrameShape(QFrame::Box);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    // Tab moves on to the next control; the arrow keys walk the cells.
    setTabKeyNavigation(false);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);

    // The selection stays as visible when the list loses the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    m_delegate = new SourceCellDelegate(this);
    setItemDelegate(m_delegate);
    connect(m_delegate, &SourceCellDelegate::timeCommitted, this,
            &SourceListView::timesEdited);

    const double total = std::accumulate(kDesignWidths.begin(), kDesignWidths.end(), 0.0);
    for (size_t i = 0; i < kDesignWidths.size(); ++i)
        m_shares[i] = kDesignWidths[i] / total;
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int) {
        if (!m_fitting)
            fitColumns(section);
    });
}

void SourceListView::setSourceModel(SourceListModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model) {
        // Connected before the view's own handlers, so that the selection model's reaction
        // to rows going away is not taken for a choice of the user.
        auto changing = [this] { m_modelChanging = true; };
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, changing);
    }
    setModel(model);
    if (!model)
        return;
    // Connected after the view's own handlers: once they have followed the rows, the
    // model's selection and focus are shown again.
    auto changed = [this] {
        m_modelChanging = false;
        pullSelectionFromModel();
    };
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
    connect(model, &SourceListModel::selectionChanged, this,
            &SourceListView::pullSelectionFromModel);
    connect(model, &SourceListModel::focusChanged, this, &SourceListView::pullSelectionFromModel);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SourceListView::pushSelectionToModel);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SourceListView::pushSelectionToModel);
    fitColumns(-1);
    pullSelectionFromModel();
}

void SourceListView::pushSelectionToModel()
{
    if (!m_model || m_syncing || m_modelChanging)
        return;
    m_syncing = true;
    const QItemSelectionModel *selection = selectionModel();
    for (int row = 0; row < m_model->count(); ++row)
        m_model->setSelected(row, selection->isRowSelected(row, QModelIndex()));
    const QModelIndex current = selection->currentIndex();
    m_model->setFocusedRow(current.isValid() ? current.row() : -1);
    m_syncing = false;
}

void SourceListView::pullSelectionFromModel()
{
    if (!m_model || m_syncing || m_modelChanging || !selectionModel())
        return;
    m_syncing = true;
    QItemSelection selection;
    const int lastColumn = m_model->columnCount() - 1;
    for (int row : m_model->selectedRows())
        selection.select(m_model->index(row, 0), m_model->index(row, lastColumn));
    const int focused = m_model->focusedRow();
    const QModelIndex current = selectionModel()->currentIndex();
    if (focused < 0) {
        if (current.isValid())
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else if (!current.isValid() || current.row() != focused) {
        const int column = current.isValid() ? current.column() : 1;
        selectionModel()->setCurrentIndex(m_model->index(focused, column),
                                          QItemSelectionModel::NoUpdate);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void SourceListView::fitColumns(int keptSection)
{
    QHeaderView *header = horizontalHeader();
    const int count = int(kDesignWidths.size());
    const int width = viewport()->width();
    if (!model() || header->count() < count || width <= 0)
        return;
    m_fitting = true;
    if (keptSection >= 0 && keptSection < count) {
        // The user resized one column: it keeps its width, the others share the rest in
        // their former proportions.
        const int kept = qMin(header->sectionSize(keptSection), width - (count - 1) * 4);
        double othersShare = 0;
        for (int i = 0; i < count; ++i)
            othersShare += i == keptSection ? 0 : m_shares[i];
        const double rest = qMax(0.0, 1.0 - double(kept) / width);
        for (int i = 0; i < count; ++i)
            m_shares[i] = i == keptSection
                              ? double(kept) / width
                              : (othersShare > 0 ? m_shares[i] / othersShare * rest : 0);
    }
    int used = 0;
    for (int i = 0; i < count; ++i) {
        const int size = i == count - 1 ? width - used : qRound(m_shares[i] * width);
        header->resizeSection(i, qMax(size, 4));
        used += size;
    }
    m_fitting = false;
}

void SourceListView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitColumns(-1);
}

// Space, Return and F2 on the tick or the name of a row tick or untick the selected rows;
// on the cut times they keep opening the time editor.
static bool isTickKey(const QKeyEvent *event, int column)
{
    const int key = event->key();
    const bool tickKey = key == Qt::Key_Space || key == Qt::Key_Return ||
                         key == Qt::Key_Enter || key == Qt::Key_F2;
    return tickKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (column == SourceRow::kTickColumn || column == SourceRow::kNameColumn);
}

void SourceListView::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT handleListKey(event->key(), event->modifiers());
    if (m_model && isTickKey(event, currentIndex().column())) {
        SourceListCommands::ToggleSelectedTicks(*m_model);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SourceListView::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        Q_EMIT handleListKeyRelease(event->key(), event->modifiers());
}

void SourceListView::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    // The editor of a time cell opens on the first click.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier &&
        index.isValid() && isTimeColumn(index.column()) && state() != EditingState)
        edit(index);
}

void SourceListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT onListClicked();
}

void SourceListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click does nothing beyond its clicks.
    QTableView::mouseDoubleClickEvent(event);
}

QStringList SourceListView::DroppedPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    }
    return paths;
}

void SourceListView::startDrag(Qt::DropActions)
{
    if (!m_model)
        return;
    QList<QUrl> urls;
    for (int row : m_model->selectedRows())
        urls << QUrl::fromLocalFile(m_model->row(row).fileName());
    if (urls.isEmpty())
        return;
    // Files only, no text: a text field the rows are dropped on takes nothing.
    auto *mime = new QMimeData;
    mime->setUrls(urls);
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    m_droppedOnList = false;
    // Only a copy is offered: a file manager must never move the user's source files.
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    FinishRowDrag(m_droppedOnList);
}

void SourceListView::FinishRowDrag(bool droppedOnList)
{
    m_droppedOnList = false;
    if (!droppedOnList)
        Q_EMIT removeDraggedRows();
}

void SourceListView::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void SourceListView::dragMoveEvent(QDragMoveEvent *event)
{
    // Anything dragged over the list is accepted.
    event->acceptProposedAction();
}

void SourceListView::dropEvent(QDropEvent *event)
{
    if (event->source() == this) {
        // Rows dropped back on the list stay where they were.
        m_droppedOnList = true;
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    const QStringList paths = DroppedPaths(event->mimeData());
    event->acceptProposedAction();
    if (!paths.isEmpty())
        Q_EMIT filesDropped(paths);
}

void SourceListView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    // An empty list that has the focus shows it with a frame inside its edge.
    if (hasFocus() && (!model() || model()->rowCount() == 0)) {
        QPainter painter(viewport());
        painter.setPen(QPen(SourceCellDelegate::FocusMarkColour(), 2));
        painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
    }
}

void SourceListView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void SourceListView::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}
