// The main window's session list: kept while the program runs, offered back after a start
// that follows a crash, a kill or a power cut.
#include "preview/TrimMath.h"
#include "shell/AppPaths.h"
#include "shell/Globals.h"
#include "shell/SessionKeeper.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"
#include "shell/TFrmMainForm.h"
#include "sources/SourceCommands.h"
#include "sources/SourceListModel.h"

#include "platform/IUserDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

void TFrmMainForm::BindSession()
{
    TCustomProc *proc = Globals::customProc;
    if (!proc || Session)
        return;
    // The state folder: the program folder's Config when portable, else the user's state
    // folder beside the log.
    const AppPaths &paths = AppPaths::Current();
    const QString folder = paths.IsPortable() ? paths.ConfigDir() : paths.PreparedLogDir();
    Session = new SessionKeeper(proc->dxTreeSourceFileInfo(), folder + QStringLiteral("SourceList.txt"),
                                this);
    TBatchEnvironment &env = proc->BatchEnvironment;
    env.BatchStarting = [this] { Session->BatchStarting(); };
    env.JobEnded = [this](int row, bool converted) { Session->JobEnded(row, converted); };

    const SessionListFile::Session last = Session->Leftover();
    if (last.rows.isEmpty()) {
        Session->Watch();
        return;
    }
    // Asked once the window is up; the list is watched again after the answer.
    QTimer::singleShot(0, this, [this, last] {
        const bool restore =
            Globals::userDialogs &&
            Globals::userDialogs->Confirm(
                QApplication::applicationName(),
                QStringLiteral("Clipwright did not close normally. Restore the %1 files of the "
                               "last session?")
                    .arg(last.rows.size()));
        if (restore)
            RestoreSession(last);
        Session->Watch();
    });
}

void TFrmMainForm::RestoreSession(const SessionListFile::Session &last)
{
    TCustomProc *proc = Globals::customProc;
    if (!proc || !SourceCommander)
        return;
    QStringList present;
    QStringList gone;
    for (const SessionListFile::Entry &e : last.rows)
        (QFileInfo(e.path).isFile() ? present : gone) << e.path;
    if (!present.isEmpty())
        SourceCommander->WMDropFiles(present);

    // Ticks and trims as they were; rows an unfinished batch converted come back unticked.
    SourceListModel &list = proc->dxTreeSourceFileInfo();
    for (const SessionListFile::Entry &e : last.rows) {
        const int i = list.indexOfFile(e.path);
        if (i < 0)
            continue;
        list.setCell(i, SourceRow::dxtrlchkCheckStatus,
                     e.checked && !e.converted ? QStringLiteral("True") : QStringLiteral("False"));
        if (e.start.isEmpty() || e.end.isEmpty())
            continue;
        const SourceRow &r = list.row(i);
        const TrimMath::TypedTimes times =
            TrimMath::CheckTypedTimes(r.cell(SourceRow::dxtrlSourceFileDuration), e.start, e.end,
                                      r.cell(SourceRow::dxtrlstclConvertDuration));
        if (!times.error.isEmpty())
            continue;
        list.setCell(i, SourceRow::dxtrlSourceFileStartTime, times.start);
        list.setCell(i, SourceRow::dxtrlSourceFileEndTime, times.end);
        list.setCell(i, SourceRow::dxtrlstclConvertDuration, times.cut);
    }
    const int selected = last.selected >= 0 ? list.indexOfFile(last.rows.at(last.selected).path) : -1;
    if (selected >= 0) {
        list.clearSelection();
        list.setSelected(selected, true);
        list.setFocusedRow(selected);
    }
    if (SourceCommander->hooks().LoadSelectedRow)
        SourceCommander->hooks().LoadSelectedRow();
    if (!gone.isEmpty() && Globals::commonLib)
        Globals::commonLib->ShowMsg(
            QStringLiteral("These files of the last session no longer exist and were left out:\n\n") +
                gone.join(QLatin1Char('\n')),
            1);
}
