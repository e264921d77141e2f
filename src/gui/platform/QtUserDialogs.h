#pragma once

#include "platform/IUserDialogs.h"

// The user dialogs on Qt's standard boxes: QMessageBox, QInputDialog and QFileDialog, each
// modal to the application and owned by its active window.
class QtUserDialogs : public IUserDialogs
{
public:
    int MessageBox(const QString &caption, const QString &text, Icon icon,
                   Buttons buttons) override;
    bool Confirm(const QString &caption, const QString &text) override;
    bool InputBox(const QString &caption, const QString &prompt, QString &text) override;
    bool SelectFolder(const QString &title, QString &folder) override;
};
