#pragma once

#include <QString>

// The modal boxes the program asks the user with: message boxes, a Yes/No confirmation,
// an input box and the folder browser. The windows install the real one at start-up; tests
// install a scripted fake. Each call blocks until the user has answered.
class IUserDialogs
{
public:
    enum class Icon { Error, Warning, Question, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    // Codes of the button pressed.
    enum Button { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~IUserDialogs() = default;

    // A message box with caption, text, icon and buttons, modal to the application; gives
    // the code of the button pressed (Cancel when the box was closed otherwise).
    virtual int MessageBox(const QString &caption, const QString &text, Icon icon,
                           Buttons buttons) = 0;
    // Asks text with Yes and No; true only for Yes.
    virtual bool Confirm(const QString &caption, const QString &text) = 0;
    // An input box with caption, prompt and one text field that starts with text. True when
    // OK was pressed; text then holds what the user entered.
    virtual bool InputBox(const QString &caption, const QString &prompt, QString &text) = 0;
    // The folder browser: only folders can be chosen. On entry folder is shown selected when
    // it names an existing folder. True when a folder was chosen; folder then holds its full
    // path without trailing separator.
    virtual bool SelectFolder(const QString &title, QString &folder) = 0;
};
