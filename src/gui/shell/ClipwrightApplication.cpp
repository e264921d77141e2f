#include "shell/ClipwrightApplication.h"

#include "platform/IUserDialogs.h"
#include "report/MessageBoxes.h"

#include <cstdio>
#include <exception>
#include <QCoreApplication>

ClipwrightApplication::ClipwrightApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool ClipwrightApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowGeneralError(m_dialogs, QString::fromUtf8(error.what()));
    } catch (...) {
        ShowGeneralError(m_dialogs, QCoreApplication::translate("ClipwrightApplication", "An unexpected error occurred."));
    }
    return false;
}

void ShowGeneralError(IUserDialogs *dialogs, const QString &message)
{
    std::fprintf(stderr, "Clipwright: %s\n", qPrintable(message));
    if (dialogs)
        dialogs->MessageBox(MessageBoxes::Title(), message, IUserDialogs::Icon::Error,
                            IUserDialogs::Buttons::Ok);
}
