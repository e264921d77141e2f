// A batch of its own process, as a second running program would run it: converts one source
// through the program's batch driver and prints the encoder file and the command line of
// the job it built.
//   batch_driver <program folder> <output folder> <source> <pause before the encoder, ms>
#include <cstdio>

#include <QCoreApplication>

#include "shell/AppPaths.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    TCommonLib lib;
    TCustomProc proc;
    lib.AppDir = args[1];
    AppPaths::SetCurrent(AppPaths::Portable(args[1]));
    proc.SetCommonLib(&lib);
    proc.edtOutputFolder().setText(args[2]);
    proc.FillOptionBoxes();
    proc.ApplyProfile();
    proc.chkShowOutputDirectory().setChecked(false);
    proc.chkShutdown().setChecked(false);

    SourceRow row = SourceRow::ForNewSource(args[3], "1 KB", "00:00:01");
    row.setCell(SourceRow::dxtrlSourceFileStartTime, "00:00:00");
    row.setCell(SourceRow::dxtrlSourceFileEndTime, "00:00:01");
    row.setChecked(true);
    proc.dxTreeSourceFileInfo().appendRow(row);

    BatchTimings &timings = proc.batchEnvironment.Timings;
    timings.showPauseMs = args[4].toInt();
    timings.startPauseMs = 100;
    timings.pollMs = 20;
    timings.runner = EncoderTimings{100, 50};
    proc.btnConvertClick();

    std::printf("%s\n%s\n", lib.ConvertParameter.EncoderFile.toUtf8().constData(),
                proc.CommandLine.toUtf8().constData());
    return proc.FailedSources.isEmpty() ? 0 : 1;
}
