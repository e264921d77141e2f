#pragma once

#include <QApplication>

class IUserDialogs;

// The application object: an error that a handler does not catch ends that handler and is
// shown by the general error box; the program goes on.
class ClipwrightApplication : public QApplication
{
    Q_OBJECT

public:
    ClipwrightApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
    // The dialogs the general error box is shown with; without them (before start-up and
    // after the windows are gone) errors go to standard error only.
    void SetDialogs(IUserDialogs *dialogs) { m_dialogs = dialogs; }

private:
    IUserDialogs *m_dialogs = nullptr;
};

// The application's general error box: the error's message with the error icon, an OK
// button and the application's title as caption. Without installed dialogs the message
// goes to standard error only.
void ShowGeneralError(IUserDialogs *dialogs, const QString &message);
