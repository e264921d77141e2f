#include "shell/ClipwrightApplication.h"

#include "platform/IUserDialogs.h"
#include "shell/Func.h"
#include "shell/Globals.h"

#include <cstdio>
#include <exception>

ClipwrightApplication::ClipwrightApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool ClipwrightApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowGeneralError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowGeneralError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

void ShowGeneralError(const QString &message)
{
    std::fprintf(stderr, "Clipwright: %s\n", qPrintable(message));
    if (Globals::userDialogs)
        Globals::userDialogs->MessageBox(AppTitle(), message, IUserDialogs::Icon::Error,
                                         IUserDialogs::Buttons::Ok);
}
