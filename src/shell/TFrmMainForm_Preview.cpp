// The main window's preview: the video window, the trim strip and the player buttons.
#include "shell/TFrmMainForm.h"

#include <QFrame>

QWidget *TFrmMainForm::CreateVideoWindow()
{
    auto *video = new QFrame;
    video->setStyleSheet(QStringLiteral("background: black;"));
    return video;
}

QWidget *TFrmMainForm::CreateTrimStrip()
{
    return new QFrame;
}

void TFrmMainForm::BindPreview()
{
}

void TFrmMainForm::StopPreview()
{
}

void TFrmMainForm::btnPlayClick()
{
}

void TFrmMainForm::btnPauseClick()
{
}

void TFrmMainForm::btnStopClick()
{
}
