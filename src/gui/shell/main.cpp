#include "platform/DesktopOpener.h"
#include "platform/QtUserDialogs.h"
#include "shell/AppPaths.h"
#include "shell/Globals.h"
#include "shell/TApplication.h"
#include "shell/TFrmMainForm.h"

#include <QFont>
#include <QIcon>

// The program entry: where settings and log go, the application's title, the windows, then
// the message loop, which shows the main window. The program reads no arguments.
int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    AppPaths::SetCurrent(
        AppPaths::Decide(AppPaths::ExecutableDir(), QProcessEnvironment::systemEnvironment()));
    QApplication::setApplicationName(QStringLiteral("Clipwright"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.clipwright"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The windows are laid out for Arial at 8 points; Liberation Sans has its metrics.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skin/main/logo.png")));

    DesktopOpener opener;
    platform::setDesktopOpener(&opener);
    QtUserDialogs dialogs;
    Globals::userDialogs = &dialogs;

    TFrmMainForm mainForm;
    mainForm.show();
    const int code = app.exec();
    Globals::userDialogs = nullptr;
    platform::setDesktopOpener(nullptr);
    return code;
}
