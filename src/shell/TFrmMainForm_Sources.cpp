// The main window's source list, its commands, the Options button and file drops.
#include "shell/TFrmMainForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>

QWidget *TFrmMainForm::CreateSourceList()
{
    auto *list = new QFrame;
    list->setStyleSheet(QStringLiteral("background: white; border: 1px solid #6f86a8;"));
    return list;
}

void TFrmMainForm::BindSources()
{
}

void TFrmMainForm::btnOpenFileClick()
{
}

void TFrmMainForm::btnRemoveFileClick()
{
}

void TFrmMainForm::btnClearFileClick()
{
}

void TFrmMainForm::btnOptionsClick()
{
}

void TFrmMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    QWidget::dragEnterEvent(event);
}

void TFrmMainForm::dragMoveEvent(QDragMoveEvent *event)
{
    QWidget::dragMoveEvent(event);
}

void TFrmMainForm::dropEvent(QDropEvent *event)
{
    QWidget::dropEvent(event);
}
