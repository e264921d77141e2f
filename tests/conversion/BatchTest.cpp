// Batches end to end: runs, stops, failures and the desktop notices.
#include "BatchTest.h"

void BatchTest::convertsTickedRowsInListOrder()
{
    addRow(m_clips[0]);
    addRow(m_clips[1], false);
    addRow(m_clips[2]);
    // While the dialog is open the main window's title gives the batch's share done, and
    // the dialog the elapsed time; both go when the batch ends.
    m_main->setWindowTitle("Clipwright 1.0");
    QStringList titles, paces;
    QList<int> rowsSeen;
    QTimer looker;
    looker.setInterval(5);
    connect(&looker, &QTimer::timeout, [&] {
        if (EncoderStopper::FindEncoder("tcore") == 0 || rowsSeen.contains(m_proc->batch.CurrentRow()))
            return;
        rowsSeen << m_proc->batch.CurrentRow();
        titles << m_main->windowTitle();
        paces << m_dialog->lblBatchPace->text();
    });
    looker.start();
    m_proc->batch.Run();
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles[0], "0% - Clipwright");
    QVERIFY2(titles[1].endsWith("% - Clipwright") && titles[1] != titles[0], qPrintable(titles[1]));
    QVERIFY2(paces[0].startsWith("Elapsed: "), qPrintable(paces[0]));
    QCOMPARE(m_main->windowTitle(), "Clipwright 1.0");

    QCOMPARE(m_proc->batch.CheckedCount, 2);
    QCOMPARE(m_proc->batch.ConvertedCount, 2);
    QCOMPARE(outputs(), QStringList({"clip1.3gp", "clip3.3gp"}));
    for (const QString &name : outputs())
        QVERIFY(QFileInfo(m_outDir + "/" + name).size() > 0);
    const QStringList params = logLines("parameter: ");
    QCOMPARE(params.size(), 2);
    QVERIFY(params[0].contains("clip1.mp4") && params[0].contains("clip1.3gp"));
    QVERIFY(params[1].contains("clip3.mp4") && params[1].contains("clip3.3gp"));
    QCOMPARE(g_events, QStringList({"open " + m_outDir + "/"}));
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_proc->batch.CurrentRunner);
}

void BatchTest::emptyOrUntickedListRunsNoJob()
{
    // An empty list only warns; the completion actions are skipped.
    m_proc->batch.Run();
    QCOMPARE(g_events,
             QStringList({"box Please add media files you want to convert into the list."}));
    // Rows, none ticked: no job, but the batch counts as finished.
    g_events.clear();
    addRow(m_clips[0], false);
    m_proc->batch.Run();
    QCOMPARE(m_proc->batch.CheckedCount, 0);
    QVERIFY(logLines("parameter: ").isEmpty());
    QCOMPARE(g_events, QStringList({"open " + QDir::homePath()})); // no job built yet
    QVERIFY(m_main->isEnabled());
}

void BatchTest::stopDuringFirstJobEndsBatchWithoutCompletionActions()
{
    addRow(m_fifo, true, "00:00:05");
    addRow(m_clips[1]);
    addRow(m_clips[2]);
    pid_t encoder = 0;
    whenEncoderRuns([&] {
        encoder = static_cast<pid_t>(EncoderStopper::FindEncoder("tcore"));
        QVERIFY(m_dialog->isVisible());
        QVERIFY(!m_main->isEnabled());
        QVERIFY(m_dialog->btnStop->isEnabled());
        QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton);
    });
    m_proc->batch.Run();

    QVERIFY(encoder > 0);
    QVERIFY(!processAlive(encoder));
    QCOMPARE(logLines("parameter: ").size(), 1);
    QVERIFY(outputs().isEmpty());
    QCOMPARE(g_events, QStringList({"box Are you sure you want to stop the work ? "}));
    QCOMPARE(m_proc->batch.state(), BatchRunner::State::Stopped);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_main->isEnabled());

    // The next batch runs its completion actions again.
    g_events.clear();
    m_proc->sources.clear();
    addRow(m_clips[0]);
    m_proc->batch.Run();
    QCOMPARE(g_events, QStringList({"open " + m_outDir + "/"}));
}

void BatchTest::closingTheDialogEndsBatchWithCompletionActions()
{
    addRow(m_fifo, true, "00:00:05");
    addRow(m_clips[1]);
    pid_t encoder = 0;
    whenEncoderRuns([&] {
        encoder = static_cast<pid_t>(EncoderStopper::FindEncoder("tcore"));
        m_dialog->close();
    });
    m_proc->batch.Run();

    QVERIFY(encoder > 0);
    QVERIFY(!processAlive(encoder));
    QCOMPARE(logLines("parameter: ").size(), 1);
    // A stop by closing is no failure to report, and the folder still opens.
    QCOMPARE(g_events, QStringList({"box Are you sure to stop processing ?",
                                    "open " + m_outDir + "/"}));
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_main->isEnabled());
}

void BatchTest::stopBeforeTheEncoderStartsStartsNone()
{
    addRow(m_clips[0]);
    addRow(m_clips[1]);
    m_proc->batch.Environment.Timings.showPauseMs = 400;
    auto *timer = new QTimer(m_dialog);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, m_dialog, [this, timer] {
        if (!m_dialog->isVisible())
            return;
        timer->stop();
        QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton);
    });
    timer->start();
    m_proc->batch.Run();
    QCOMPARE(logLines("parameter: ").size(), 1);
    QVERIFY(outputs().isEmpty());
    QCOMPARE(g_events, QStringList({"box Are you sure you want to stop the work ? "}));
    QVERIFY(m_main->isEnabled());
}

void BatchTest::stopAnsweredNoChangesNothing()
{
    addRow(m_fifo, true, "00:00:05");
    m_answerer->answerNo = true;
    pid_t encoder = 0;
    whenEncoderRuns([&] {
        encoder = static_cast<pid_t>(EncoderStopper::FindEncoder("tcore"));
        QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton);
        QVERIFY(m_dialog->isVisible());
        m_dialog->close();
        QVERIFY(m_dialog->isVisible());
        QVERIFY(processAlive(encoder));
        QVERIFY(!m_main->isEnabled());
        // Then the user does stop.
        m_answerer->answerNo = false;
        QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton);
    });
    m_proc->batch.Run();
    QVERIFY(encoder > 0);
    QCOMPARE(g_events, QStringList({"box Are you sure you want to stop the work ? ",
                                    "box Are you sure to stop processing ?",
                                    "box Are you sure you want to stop the work ? "}));
}

void BatchTest::failingSourceIsReportedAfterOpeningTheFolder()
{
    const QString broken = writeBrokenSource();
    // A RealMedia name with a line break cannot go through the reader's one-line script.
    const QString twoLines = m_dir->path() + "/two\nlines.rm";
    QVERIFY(QFile::copy(m_clips[1], twoLines));
    addRow(broken);
    addRow(twoLines);
    addRow(m_clips[0]);
    m_proc->batch.Run();

    QCOMPARE(outputs(), QStringList({"clip1.3gp"}));
    QCOMPARE(g_events.size(), 2);
    QCOMPARE(g_events[0], "open " + m_outDir + "/");
    QVERIFY(g_events[1].startsWith("box These files could not be converted:"));
    QVERIFY(g_events[1].contains(broken + "\n"));
    QVERIFY2(g_events[1].contains(twoLines + " (the file's name cannot be passed to the RealMedia "
                                             "reader; rename it)"),
             qPrintable(g_events[1]));
    QVERIFY(!g_events[1].contains(m_clips[0]));
    const QStringList failed = logLines("Conversion failed: ");
    QCOMPARE(failed.size(), 2);
    QVERIFY(failed[0].contains(broken));
    QVERIFY(failed[0].contains("exit code"));
}

void BatchTest::aClipThatCannotFitTheSizeLimitIsNamedAndTheRestConvert()
{
    // Twenty minutes into 1 MB leaves about 6 kbit/s: that job is refused before an encoder
    // starts; the one-second clips around it fit.
    m_proc->settings.sizeLimit().setText("1 MB");
    addRow(m_clips[0]);
    addRow(m_clips[1], true, "00:20:00");
    addRow(m_clips[2]);
    m_proc->batch.Run();

    QCOMPARE(outputs(), QStringList({"clip1.3gp", "clip3.3gp"}));
    QCOMPARE(allOutputFiles(), outputs()); // no partial or claimed name left behind
    QCOMPARE(g_events.size(), 2);
    QVERIFY(g_events[1].startsWith("box These files could not be converted:"));
    QVERIFY2(g_events[1].contains(m_clips[1] + " (1200 s cannot fit into 1 MB"),
             qPrintable(g_events[1]));
    QVERIFY(!g_events[1].contains(m_clips[0]) && !g_events[1].contains(m_clips[2]));
    QCOMPARE(logLines("parameter: ").size(), 2);
    const QStringList failed = logLines("Conversion failed: ");
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed[0].startsWith("Conversion failed: " + m_clips[1] + " | not started: 1200 s"));
    QCOMPARE(m_proc->batch.state(), BatchRunner::State::Finished);
}

void BatchTest::aFullDiskUnderThePortableLogStopsNoConversion()
{
    // Every write to the portable program's log fails as on a full disk (I/O error 28); the
    // output folder has room.
    QVERIFY(QFile::link("/dev/full", m_appDir + "log.txt"));
    addRow(m_clips[0]);
    addRow(m_clips[1]);
    m_proc->batch.Run();
    QCOMPARE(outputs(), QStringList({"clip1.3gp", "clip2.3gp"}));
    QCOMPARE(g_events.size(), 2);
    QVERIFY2(g_events[0].startsWith("box I/O error 28. Cannot write the log \"" + m_appDir + "log.txt\""),
             qPrintable(g_events[0]));
    QCOMPARE(g_events[1], "open " + m_outDir + "/");
}

void BatchTest::failingSourceIsNotReportedWhenPoweringOff()
{
    addRow(m_fixtures.path() + "/does-not-exist.avi");
    m_proc->settings.powerOffWhenDone().setChecked(true);
    m_proc->batch.Run();
    // The settings are kept before the power-off ends the program.
    QCOMPARE(g_events, QStringList({"open " + m_outDir + "/", "power off, settings saved",
                                    "end program"}));
}

void BatchTest::missingEncoderIsReported()
{
    QVERIFY(QFile::remove(m_appDir + "tcore"));
    addRow(m_clips[0]);
    m_proc->batch.Run();
    QCOMPARE(m_proc->batch.ConvertedCount, 1);
    QCOMPARE(g_events.size(), 2);
    QVERIFY(g_events[1].contains(m_clips[0]));
    const QStringList failed = logLines("Conversion failed: ");
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed[0].contains("not started"));
}

void BatchTest::unrelatedEncoderIsNeitherWaitedForNorKilled()
{
    // A "tcore" that is not this program's: started through a parent that exits at once,
    // so it belongs to no process of ours.
    const QString otherDir = m_dir->path() + "/elsewhere";
    QVERIFY(QDir().mkpath(otherDir));
    QVERIFY(QFile::copy(QStringLiteral(FAKE_ENCODER_PATH), otherDir + "/tcore"));
    int pidPipe[2];
    QCOMPARE(::pipe(pidPipe), 0);
    const QByteArray program = QFile::encodeName(otherDir + "/tcore");
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::execl(program.constData(), "tcore", "silent", "60000", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        (void)!::write(pidPipe[1], &grandchild, sizeof grandchild);
        ::_exit(0);
    }
    ::waitpid(middle, nullptr, 0);
    pid_t other = 0;
    QCOMPARE(::read(pidPipe[0], &other, sizeof other), ssize_t(sizeof other));
    ::close(pidPipe[0]);
    ::close(pidPipe[1]);
    QVERIFY(processAlive(other));

    QCOMPARE(EncoderStopper::FindEncoder("tcore"), qint64(0));
    addRow(m_clips[0]);
    QElapsedTimer clock;
    clock.start();
    m_proc->batch.Run();
    QVERIFY(clock.elapsed() < 30000);
    QCOMPARE(outputs(), QStringList({"clip1.3gp"}));
    m_proc->encoderStopper.Stop("tcore");
    QVERIFY(processAlive(other));

    ::kill(other, SIGKILL);
}

void BatchTest::aBlankInTheProgramFolderRunsOnlyTheEncoder()
{
    // The program in ".../my app/", and beside that folder a program "my" that would
    // take "app/tcore" and the rest as its arguments.
    const QString appDir = m_dir->path() + "/my app/";
    QVERIFY(QDir().rename(m_appDir, appDir));
    m_appDir = appDir;
    m_proc->jobs.ProgramDir = appDir;
    AppPaths::SetCurrent(AppPaths::Portable(appDir));
    const QString marker = m_dir->path() + "/my was run";
    const QString intruder = m_dir->path() + "/my";
    QFile script(intruder);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$@\" > '" + QFile::encodeName(marker) + "'\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    addRow(m_clips[0]);
    m_proc->batch.Run();

    QVERIFY2(!QFile::exists(marker), "the program \"my\" was run");
    QCOMPARE(outputs(), QStringList({"clip1.3gp"}));
    const QStringList params = logLines("parameter: ");
    QCOMPARE(params.size(), 1);
    QVERIFY2(params[0].startsWith("parameter: " + appDir + "tcore -y -i \"" + m_clips[0] + "\" "),
             qPrintable(params[0]));
    QCOMPARE(g_events, QStringList({"open " + m_outDir + "/"}));
}

void BatchTest::failuresBeforeAStopAreStillReported()
{
    const QString broken = writeBrokenSource();
    // Stopped with the Stop button (no completion actions), or by closing the dialog.
    for (const bool byButton : {true, false}) {
        g_events.clear();
        m_proc->sources.clear();
        addRow(broken);
        addRow(m_fifo, true, "00:00:05");
        addRow(m_clips[1]);
        std::function<void()> stop = [&] {
            if (m_proc->batch.ConvertedCount == 0)
                return whenEncoderRuns(stop); // the broken file's encoder: let it fail
            if (byButton)
                QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton);
            else
                m_dialog->close();
        };
        whenEncoderRuns(stop);
        m_proc->batch.Run();
        QCOMPARE(logLines("parameter: ").size(), byButton ? 2 : 4);
        QCOMPARE(g_events.size(), byButton ? 2 : 3);
        QVERIFY(g_events.first().startsWith("box Are you sure"));
        if (!byButton)
            QCOMPARE(g_events[1], "open " + m_outDir + "/");
        QVERIFY2(g_events.last().startsWith("box These files could not be converted:"),
                 qPrintable(g_events.last()));
        QVERIFY(g_events.last().contains(broken));
        // The stopped job is no failure.
        QVERIFY(!g_events.last().contains(m_fifo));
        QVERIFY(m_main->isEnabled());
    }
}

void BatchTest::aKilledEncoderLeavesNoPartialFile()
{
    // Files that are not the killed encoder's partial output stay.
    QVERIFY(QDir().mkpath(m_outDir));
    QStringList kept = {".endless.3gp.1.part", "notes.txt"};
    const auto touch = [this](const QString &name, qint64 size) {
        QFile file(m_outDir + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    };
    for (const QString &name : kept)
        touch(name, 10);

    addRow(m_fifo, true, "00:00:05");
    pid_t encoder = 0;
    whenEncoderRuns([&] {
        encoder = static_cast<pid_t>(EncoderStopper::FindEncoder("tcore"));
        const QString suffix = QStringLiteral(".%1.part").arg(encoder);
        // The partial file as an encoder writes it where the file system has no unnamed
        // files, its middle shortened as for a long name; then the encoder is killed from
        // outside.
        touch(".endl" + suffix, 1 << 20);
        kept << "kept" + suffix << ".endless.3gp." + QString::number(encoder) + "0.part";
        for (const QString &name : kept.mid(2))
            touch(name, 10);
        QVERIFY(QDir(m_outDir).mkdir(".folder" + suffix));
        if (encoder > 0)
            ::kill(encoder, SIGKILL);
    });
    m_proc->batch.Run();

    QVERIFY(encoder > 0);
    kept.sort(Qt::CaseInsensitive);
    QCOMPARE(allOutputFiles(), kept);
    QVERIFY(QFileInfo(m_outDir + "/.folder." + QString::number(encoder) + ".part").isDir());
    const QStringList failed = logLines("Conversion failed: ");
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed[0].contains("exit code 137"), qPrintable(failed[0]));
    QVERIFY(g_events.last().contains(m_fifo));
}

// The sleep hold covers the jobs only: taken before the first, given back before the
// completion actions; the end is notified while the program is not the active one.
void BatchTest::sleepIsHeldDuringTheJobsAndTheEndNotified()
{
    FakeSleepInhibitor inhibitor;
    FakeNotifier notifier;
    BatchEnvironment &env = m_proc->batch.Environment;
    env.SleepInhibitor = &inhibitor;
    env.Notifier = &notifier;
    env.IsProgramActive = [] { return false; };
    const QString broken = m_fixtures.path() + "/broken.avi";
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a video");
    file.close();
    addRow(broken);
    addRow(m_clips[0]);
    addRow(m_clips[1], false);
    bool heldWhileEncoding = false;
    whenEncoderRuns([&] { heldWhileEncoding = inhibitor.held; });
    m_proc->batch.Run();

    QVERIFY(heldWhileEncoding);
    QCOMPARE(g_events.size(), 5);
    QCOMPARE(g_events.mid(0, 4),
             QStringList({"inhibit Converting 2 files", "release",
                          "notify Conversion finished: 1 file converted, 1 failed.",
                          "open " + m_outDir + "/"}));
    QVERIFY(g_events[4].startsWith("box These files could not be converted:"));
}

void BatchTest::noNotificationWhileActiveStoppedOrPoweringOff_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("program active") << "active";
    QTest::newRow("stopped") << "stop";
    QTest::newRow("powering off") << "power off";
}

void BatchTest::noNotificationWhileActiveStoppedOrPoweringOff()
{
    QFETCH(QString, ending);
    FakeSleepInhibitor inhibitor;
    FakeNotifier notifier;
    BatchEnvironment &env = m_proc->batch.Environment;
    env.SleepInhibitor = &inhibitor;
    env.Notifier = &notifier;
    env.IsProgramActive = [ending] { return ending == "active"; };
    if (ending == "stop") {
        addRow(m_fifo, true, "00:00:05");
        whenEncoderRuns([this] { QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton); });
    } else {
        addRow(m_clips[0]);
    }
    m_proc->settings.powerOffWhenDone().setChecked(ending == "power off");
    m_proc->batch.Run();

    QCOMPARE(g_events.first(), QString("inhibit Converting 1 file"));
    QCOMPARE(g_events.count("release"), 1);
    QVERIFY(!inhibitor.held);
    for (const QString &event : g_events)
        QVERIFY2(!event.startsWith("notify"), qPrintable(event));
}

QTEST_MAIN(BatchTest)
