#include "conversion/ProgramRunFolder.h"
#include "platform/DesktopOpener.h"
#include "platform/QtUserDialogs.h"
#include "platform/AppPaths.h"
#include "shell/DesktopSession.h"
#include "shell/EndSignals.h"
#include "shell/ProgramParts.h"
#include "shell/SingleInstance.h"
#include "shell/UserLanguage.h"
#include "shell/ClipwrightApplication.h"
#include "shell/MainWindow.h"

#include <QFont>
#include <QIcon>

#include <unistd.h>
#include <QCoreApplication>

// The program entry: the user's language, where settings and log go, the hand-over to a Clipwright that already
// runs in this session, the application's title, the windows, then the message loop, which
// shows the main window. The arguments are files to add, as if dropped.
int main(int argc, char *argv[])
{
    ClipwrightApplication app(argc, argv);
    UserLanguage language;
    language.Install(QLocale::system(), UserLanguage::OwnFolders(AppPaths::ExecutableDir()));
    AppPaths::SetCurrent(
        AppPaths::Decide(AppPaths::ExecutableDir(), QProcessEnvironment::systemEnvironment()));
    DesktopSession session(QCoreApplication::arguments().mid(1));
    if (session.HandOverToRunningProgram(SingleInstance::SocketPathFor(
            QProcessEnvironment::systemEnvironment(), ::getuid())))
        return 0;
    // What a Clipwright that was killed or crashed left behind: its run folder, and the
    // empty output names its jobs held, so the next batch writes "name", not "name_1".
    ProgramRunFolder::RemoveLeftovers();
    QApplication::setApplicationName(QStringLiteral("Clipwright"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.clipwright"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The windows are laid out for Arial at 8 points; Liberation Sans has its metrics.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skin/main/logo.png")));

    QtUserDialogs dialogs;
    app.SetDialogs(&dialogs);
    // Help, the home page, mail and the output folder go to the user's programs; where none
    // can take them (no browser or file manager installed), the user is told what could not
    // be opened.
    DesktopOpener opener([&dialogs](const QString &target) {
        dialogs.MessageBox(QStringLiteral("Clipwright"), DesktopOpener::FailureText(target),
                           IUserDialogs::Icon::Error, IUserDialogs::Buttons::Ok);
    });

    ProgramParts parts(&dialogs, &opener);
    MainWindow mainForm(parts);
    // A logout, `kill` or Ctrl+C ends the program as closing its window does.
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::endRequested, &mainForm,
                     [&mainForm](int) { mainForm.EndSession(); });
    mainForm.show();
    session.Serve(mainForm);
    const int code = app.exec();
    app.SetDialogs(nullptr);
    return code;
}
