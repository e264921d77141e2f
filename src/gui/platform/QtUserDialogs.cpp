#include "platform/QtUserDialogs.h"
#include "platform/WindowFocus.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

} // namespace

int QtUserDialogs::MessageBox(const QString &caption, const QString &text, Icon icon,
                              Buttons buttons)
{
    QWidget *behind = owner();
    QMessageBox box(behind);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (icon) {
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    WindowFocus::TakeWhenShown(&box);
    const int pressed = box.exec();
    WindowFocus::GiveBack(behind);
    switch (pressed) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        // A box with only OK gives OK however it was closed.
        return buttons == Buttons::Ok ? int(Ok) : int(Cancel);
    }
}

bool QtUserDialogs::Confirm(const QString &caption, const QString &text)
{
    return MessageBox(caption, text, Icon::Question, Buttons::YesNo) == Yes;
}

bool QtUserDialogs::InputBox(const QString &caption, const QString &prompt, QString &text)
{
    bool ok = false;
    const QString entered =
        QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, text, &ok);
    if (ok)
        text = entered;
    return ok;
}

bool QtUserDialogs::SelectFolder(const QString &title, QString &folder)
{
    if (!QFileInfo(folder).isDir())
        folder.clear();
    const QString chosen =
        QFileDialog::getExistingDirectory(owner(), title, folder, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return false;
    folder = QDir::cleanPath(chosen);
    return true;
}
