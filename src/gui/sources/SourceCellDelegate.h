#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Draws and edits the cells of the source list: the check column as a check box that a
// click anywhere in its cell toggles, and an hh:mm:ss time editor for Start Time and End
// Time. Every committed time is reported with timeCommitted after it reached the model.
// The time editor lies over its cell but belongs to the list's window: a screen reader
// walks the list as its cells only, so an editor inside the list would not be found.
class SourceCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit SourceCellDelegate(QObject *parent = nullptr);

    // The mark of the focused cell, and of the focused list when it is empty.
    static QColor FocusMarkColour();

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

    // The text a time editor holds: hh:mm:ss with blanks read as 0, or empty text when
    // nothing but blanks was left.
    static QString EditorTime(const QString &displayText);

Q_SIGNALS:
    void timeCommitted(int row, int column, const QString &text) const;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    void paintCell(QPainter *painter, const QStyleOptionViewItem &option,
                   const QModelIndex &index) const;
};
