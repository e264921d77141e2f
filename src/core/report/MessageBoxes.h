#pragma once

#include <QString>

class IUserDialogs;

// The program's message boxes, with its title as caption. Without dialogs (the command
// line, some tests) nothing is shown and every question counts as cancelled.
class MessageBoxes
{
public:
    explicit MessageBoxes(IUserDialogs *dialogs = nullptr) : m_dialogs(dialogs) {}

    // The dialogs the boxes are shown with, or null.
    IUserDialogs *Dialogs() const { return m_dialogs; }

    // A box with an OK button; type 0 shows the error icon, 1 the warning, 2 the question,
    // 3 the information icon. True when a box was shown; another type, or no dialogs, shows
    // nothing and gives false.
    bool Show(const QString &text, int type);
    // A box with the information icon; type 1 shows OK, 2 Yes and No, 3 Yes, No and Cancel.
    // Gives the code of the button pressed (IUserDialogs::Button); another type, or no
    // dialogs, shows nothing and gives 0.
    int Ask(const QString &text, int type);
    // Asks text with Yes and No; true only for Yes.
    bool Confirm(const QString &text);

    // The application's title, the caption of its boxes.
    static QString Title();

private:
    IUserDialogs *m_dialogs;
};
