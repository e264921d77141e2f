// The main window's session list: kept while the program runs, offered back after a start
// that follows a crash, a kill or a power cut.
#include "platform/IUserDialogs.h"
#include "platform/AppPaths.h"
#include "shell/SessionKeeper.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"
#include "sources/SourceCommands.h"
#include "sources/SourceListModel.h"

#include <QApplication>
#include <QTimer>

void MainWindow::BindSession()
{
    ProgramParts &parts = m_parts;
    IUserDialogs *dialogs = m_parts.messages.Dialogs();
    if (Session)
        return;
    // The state folder: the program folder's Config when portable, else the user's state
    // folder beside the log.
    const AppPaths &paths = AppPaths::Current();
    const QString folder = paths.IsPortable() ? paths.ConfigDir() : paths.PreparedLogDir();
    Session = new SessionKeeper(parts.sources, folder + QStringLiteral("SourceList.txt"),
                                this);
    BatchEnvironment &env = parts.batch.Environment;
    env.BatchStarting = [this] { Session->BatchStarting(); };
    env.JobEnded = [this](int row, bool converted) { Session->JobEnded(row, converted); };

    const SessionListFile::Session last = Session->Leftover();
    if (last.rows.isEmpty() || !dialogs) {
        Session->Watch();
        return;
    }
    // Asked once the window is up; the list is watched again after the answer.
    QTimer::singleShot(0, this, [this, last, dialogs] {
        const QString caption = QApplication::applicationName();
        if (dialogs->Confirm(caption, tr("Clipwright did not close normally. Restore the "
                                                     "%1 files of the last session?")
                                          .arg(last.rows.size()))) {
            const QStringList gone = Session->Restore(last, [this](const QStringList &files) {
                if (SourceCommander)
                    SourceCommander->addDroppedFiles(files);
            });
            if (SourceCommander && SourceCommander->hooks().LoadSelectedRow)
                SourceCommander->hooks().LoadSelectedRow();
            if (!gone.isEmpty())
                dialogs->MessageBox(caption,
                                    tr("These files of the last session no longer "
                                                   "exist and were left out:\n\n") +
                                        gone.join(QLatin1Char('\n')),
                                    IUserDialogs::Icon::Warning, IUserDialogs::Buttons::Ok);
        }
        Session->Watch();
    });
}
