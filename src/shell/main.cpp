#include "platform/DesktopOpener.h"
#include "shell/ShellAutomation.h"
#include "shell/TFrmMainForm.h"

#include <QApplication>
#include <QIcon>

// The program entry: the application's title, the windows, then the message loop, which
// shows the main window. The program reads no arguments.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clipwright"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skin/main/logo.png")));

    DesktopOpener opener;
    platform::setDesktopOpener(&opener);

    TFrmMainForm mainForm;
    ShellAutomation::FromEnvironment(&mainForm);
    mainForm.show();
    const int code = app.exec();
    platform::setDesktopOpener(nullptr);
    return code;
}
