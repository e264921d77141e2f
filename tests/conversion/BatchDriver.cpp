// A batch of its own process, as a second running program would run it: converts one source
// through the program's batch driver and prints the encoder file and the command line of
// the job it built.
//   batch_driver <program folder> <output folder> <source> <pause before the encoder, ms>
#include <cstdio>

#include <QCoreApplication>

#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    ProgramParts proc;
    proc.jobs.ProgramDir = args[1];
    AppPaths::SetCurrent(AppPaths::Portable(args[1]));
    proc.settings.outputFolder().setText(args[2]);
    proc.outputOptions.FillAll();
    proc.settings.Load();
    proc.outputOptions.ApplyProfile();
    proc.settings.showOutputFolder().setChecked(false);
    proc.settings.powerOffWhenDone().setChecked(false);

    SourceRow row = SourceRow::ForNewSource(args[3], "1 KB", "00:00:01");
    row.setCell(SourceRow::kStartColumn, "00:00:00");
    row.setCell(SourceRow::kEndColumn, "00:00:01");
    row.setChecked(true);
    proc.sources.appendRow(row);

    BatchTimings &timings = proc.batch.Environment.Timings;
    timings.showPauseMs = args[4].toInt();
    timings.startPauseMs = 100;
    timings.pollMs = 20;
    timings.runner = EncoderTimings{100, 50};
    proc.batch.Run();

    std::printf("%s\n%s\n", proc.jobs.Job.EncoderFile.toUtf8().constData(),
                proc.batch.CommandLine.toUtf8().constData());
    return proc.batch.FailedSources.isEmpty() ? 0 : 1;
}
