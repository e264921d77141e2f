// The main window's Convert button and output folder chooser, and the progress dialog.
#include "conversion/TfrmConverting.h"
#include "platform/LogindPowerOff.h"
#include "shell/Globals.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"
#include "shell/TFrmMainForm.h"

#include <QCoreApplication>

void TFrmMainForm::BindConversion()
{
    TCustomProc *proc = Globals::customProc;
    TCommonLib *lib = Globals::commonLib;
    if (!proc || !lib)
        return;
    auto *frmConverting = TfrmConverting::CreateForMainWindow(this);
    frmConverting->Bind(proc, lib, this);
    static LogindPowerOff powerOff;
    lib->SetPowerOff(&powerOff);
    TBatchEnvironment &env = proc->BatchEnvironment;
    env.View = frmConverting;
    // Only the window's own controls: disabling the window itself would disable the
    // progress dialog it owns, Stop included.
    env.SetMainWindowEnabled = [this](bool enabled) { SetFormEnabled(enabled); };
    // The power-off ends the program without the window's closing steps.
    env.EndProgram = [] { QCoreApplication::exit(0); };
}

void TFrmMainForm::btnConvertClick()
{
    if (Globals::customProc)
        Globals::customProc->btnConvertClick();
}

void TFrmMainForm::btnSelectOutputFolderClick()
{
    TCustomProc *proc = Globals::customProc;
    if (!proc || !Globals::commonLib)
        return;
    proc->edtOutputFolder().setText(
        Globals::commonLib->SelectOutputFolder(proc->edtOutputFolder().text()));
}
