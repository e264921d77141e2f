// The main window's Convert button and output folder chooser, and the progress dialog.
#include "conversion/ProgressDialog.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/LogindPowerOff.h"
#include "platform/LogindSleepInhibitor.h"
#include "shell/Globals.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"
#include "shell/MainWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>

void MainWindow::BindConversion()
{
    TCustomProc *proc = Globals::customProc;
    TCommonLib *lib = Globals::commonLib;
    if (!proc || !lib)
        return;
    auto *frmConverting = ProgressDialog::CreateForMainWindow(this);
    m_converting = frmConverting;
    frmConverting->Bind(proc, lib, this);
    static LogindPowerOff powerOff;
    lib->SetPowerOff(&powerOff);
    BatchEnvironment &env = proc->batchEnvironment;
    env.View = frmConverting;
    // Only the window's own controls: disabling the window itself would disable the
    // progress dialog it owns, Stop included.
    env.SetMainWindowEnabled = [this](bool enabled) { SetFormEnabled(enabled); };
    // The power-off ends the program without the window's closing steps.
    env.EndProgram = [] { QCoreApplication::exit(0); };
    // The session does not sleep during a batch; its end is told in a notification when
    // the user is elsewhere.
    env.SleepInhibitor = new LogindSleepInhibitor(this);
    static FreedesktopNotifier notifier;
    env.Notifier = &notifier;
    env.IsProgramActive = [] {
        return QGuiApplication::applicationState() == Qt::ApplicationActive;
    };
}

void MainWindow::EndSession()
{
    if (m_closing)
        return;
    if (m_converting && m_converting->JobRunning())
        m_converting->StopBatch();
    m_closing = true;
    FormClose();
}

void MainWindow::btnConvertClick()
{
    if (Globals::customProc)
        Globals::customProc->btnConvertClick();
}

void MainWindow::btnSelectOutputFolderClick()
{
    TCustomProc *proc = Globals::customProc;
    if (!proc || !Globals::commonLib)
        return;
    proc->edtOutputFolder().setText(
        Globals::commonLib->SelectOutputFolder(proc->edtOutputFolder().text()));
}
