#include "sources/SourceCellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "sources/SourceRow.h"

namespace {

bool isTimeColumn(int column)
{
    return column == SourceRow::kStartColumn ||
           column == SourceRow::kEndColumn;
}

} // namespace

SourceCellDelegate::SourceCellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QColor SourceCellDelegate::FocusMarkColour()
{
    // Near black: over 4.5:1 against the blue selection and against the white rows.
    return QColor(0x10, 0x14, 0x1c);
}

void SourceCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    paintCell(painter, option, index);
    // The focused cell of a focused list gets a mark that stands out from the selection.
    if ((option.state & QStyle::State_HasFocus) && option.widget && option.widget->hasFocus()) {
        painter->save();
        painter->setPen(QPen(FocusMarkColour(), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

void SourceCellDelegate::paintCell(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    if (index.column() != SourceRow::kTickColumn) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The background and selection as for any cell, then the box in the middle.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    QStyle *style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    QStyleOptionViewItem box = option;
    const int side = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget);
    box.rect =
        QRect(option.rect.center().x() - side / 2, option.rect.center().y() - side / 2, side, side);
    box.state = (option.state & QStyle::State_Enabled) | QStyle::State_Enabled;
    box.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                       : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
}

bool SourceCellDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (index.column() != SourceRow::kTickColumn)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (event->type() == QEvent::MouseButtonDblClick)
        return true; // the second click of a double click toggles again by its release
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()))
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

QWidget *SourceCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    if (!isTimeColumn(index.column()))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *editor = new QLineEdit(parent->window());
    editor->setObjectName(QStringLiteral("edtTimeEditor"));
    editor->setFrame(false);
    editor->setFont(option.font);
    // Named after its column ("Start Time", "End Time").
    editor->setAccessibleName(
        index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString());
    editor->raise();
    return editor;
}

void SourceCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &index) const
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (!view) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    // The cell's place in the list, kept inside the list's visible part.
    const QWidget *viewport = view->viewport();
    const QRect cell = option.rect & viewport->rect();
    editor->setGeometry(QRect(viewport->mapTo(editor->parentWidget(), cell.topLeft()), cell.size()));
}

void SourceCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || !isTimeColumn(index.column())) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString text = index.data(Qt::EditRole).toString();
    // Two hour digits, more from 100 hours on.
    const int hourDigits = qMax(2, int(text.indexOf(QLatin1Char(':'))));
    // Optional digits, so that an emptied editor can be committed.
    line->setInputMask(QString(hourDigits, QLatin1Char('0')) + QStringLiteral(":00:00;_"));
    line->setText(text);
    line->selectAll();
}

void SourceCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || !isTimeColumn(index.column())) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString text = EditorTime(line->displayText());
    model->setData(index, text, Qt::EditRole);
    Q_EMIT timeCommitted(index.row(), index.column(), text);
}

QString SourceCellDelegate::EditorTime(const QString &displayText)
{
    QString digits = displayText;
    digits.remove(QLatin1Char(':')).remove(QLatin1Char('_')).remove(QLatin1Char(' '));
    if (digits.isEmpty())
        return QString();
    QString text = displayText;
    text.replace(QLatin1Char('_'), QLatin1Char('0')).replace(QLatin1Char(' '), QLatin1Char('0'));
    return text;
}
