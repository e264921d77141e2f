// Batches end to end: the real encoder on short generated clips, the real progress dialog,
// its buttons and message boxes driven as a user would, fakes for the completion actions.
#include "conversion/ProgressDialog.h"
#include "platform/IDesktopNotifier.h"
#include "platform/IDesktopOpener.h"
#include "platform/IPowerOff.h"
#include "platform/ISleepInhibitor.h"
#include "platform/IUserDialogs.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"
#include "shell/PictureButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Everything the completion actions and message boxes did, in order.
QStringList g_events;

class FakePowerOff : public IPowerOff
{
public:
    QString settingsFile;
    bool PowerOff() override
    {
        g_events << (QFile::exists(settingsFile) ? QStringLiteral("power off, settings saved")
                                                 : QStringLiteral("power off"));
        return true;
    }
};

class FakeOpener : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &address) override
    {
        g_events << "address " + address;
        return true;
    }
    bool OpenPath(const QString &path) override
    {
        g_events << "open " + path;
        return true;
    }
};

// Real message boxes, as the program shows them; the test answers them like a user.
class MessageBoxDialogs : public IUserDialogs
{
public:
    int MessageBox(const QString &caption, const QString &text, Icon, Buttons) override
    {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? Ok : Cancel;
    }
    bool Confirm(const QString &caption, const QString &text) override
    {
        return QMessageBox::question(nullptr, caption, text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    bool SelectFolder(const QString &, QString &) override { return false; }
};

// Answers every message box that opens: records its text, then presses Yes (or OK), or
// No when told to.
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            g_events << "box " + box->text();
            QAbstractButton *button = box->button(answerNo ? QMessageBox::No : QMessageBox::Yes);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
        });
        m_timer.start();
    }
    bool answerNo = false;

private:
    QTimer m_timer;
};

// The session's sleep hold and the desktop notification, recorded in order.
class FakeSleepInhibitor : public ISleepInhibitor
{
public:
    bool held = false;
    void Inhibit(const QString &why) override
    {
        held = true;
        g_events << "inhibit " + why;
    }
    void Release() override
    {
        held = false;
        g_events << QStringLiteral("release");
    }
};

class FakeNotifier : public IDesktopNotifier
{
public:
    void Notify(const QString &summary, const QString &body) override
    {
        g_events << "notify " + summary + ": " + body;
    }
};

bool processAlive(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

} // namespace

class BatchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void convertsTickedRowsInListOrder();
    void emptyOrUntickedListRunsNoJob();
    void stopDuringFirstJobEndsBatchWithoutCompletionActions();
    void closingTheDialogEndsBatchWithCompletionActions();
    void stopBeforeTheEncoderStartsStartsNone();
    void stopAnsweredNoChangesNothing();
    void failingSourceIsReportedAfterOpeningTheFolder();
    void failingSourceIsNotReportedWhenPoweringOff();
    void aFullDiskUnderThePortableLogStopsNoConversion();
    void missingEncoderIsReported();
    void unrelatedEncoderIsNeitherWaitedForNorKilled();
    void aBlankInTheProgramFolderRunsOnlyTheEncoder();
    void failuresBeforeAStopAreStillReported();
    void aKilledEncoderLeavesNoPartialFile();
    void sleepIsHeldDuringTheJobsAndTheEndNotified();
    void noNotificationWhileActiveStoppedOrPoweringOff_data();
    void noNotificationWhileActiveStoppedOrPoweringOff();

private:
    void addRow(const QString &path, bool checked = true, const QString &end = "00:00:01");
    QStringList logFiles() const;
    QStringList logLines(const QString &prefix) const;
    QStringList outputs() const;
    // Every file in the output folder, hidden ones included.
    QStringList allOutputFiles() const;
    QString writeBrokenSource();
    // Starts f once an encoder of this batch runs.
    void whenEncoderRuns(std::function<void()> f);

    QTemporaryDir m_fixtures;
    QString m_clips[3];
    QString m_fifo;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_appDir;
    QString m_outDir;
    QHash<QString, qint64> m_logStart;
    std::unique_ptr<ProgramParts> m_proc;
    ProgramParts *m_lib = nullptr;
    std::unique_ptr<QWidget> m_main;
    ProgressDialog *m_dialog = nullptr; // deleted with m_main
    FakePowerOff m_power;
    FakeOpener m_opener;
    MessageBoxDialogs m_dialogs;
    // Every box a test did not expect is answered too, so it fails instead of waiting.
    std::unique_ptr<MessageBoxAnswerer> m_answerer;
};

void BatchTest::initTestCase()
{
    const QString appDir = qEnvironmentVariable("CLIPWRIGHT_APP_DIR");
    if (!QFile::exists(appDir + "/tcore"))
        QSKIP("the encoder tcore is not built");
    for (int i = 0; i < 3; ++i) {
        m_clips[i] = m_fixtures.path() + QStringLiteral("/clip%1.mp4").arg(i + 1);
        const int rc = QProcess::execute(
            "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=96x64:rate=10",
                       "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050", "-t", "1",
                       "-c:v", "mpeg4", "-c:a", "aac", "-shortest", m_clips[i]});
        QCOMPARE(rc, 0);
    }
    // A source that never delivers a byte: the encoder waits on it until it is stopped.
    m_fifo = m_fixtures.path() + "/endless.mp4";
    QCOMPARE(::mkfifo(QFile::encodeName(m_fifo).constData(), 0600), 0);
}

void BatchTest::init()
{
    g_events.clear();
    m_answerer = std::make_unique<MessageBoxAnswerer>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_appDir = m_dir->path() + "/Program Folder/";
    m_outDir = m_dir->path() + "/Out Folder";
    QVERIFY(QDir().mkpath(m_appDir + "Config"));
    const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
    for (const char *encoder : {"tcore", "mcore"})
        QVERIFY(QFile::copy(built + encoder, m_appDir + encoder));
    for (const QString &path : logFiles())
        m_logStart[path] = QFileInfo(path).size();

    m_proc = std::make_unique<ProgramParts>(&m_dialogs, &m_opener);
    m_lib = m_proc.get();
    m_lib->jobs.ProgramDir = m_appDir;
    AppPaths::SetCurrent(AppPaths::Portable(m_appDir));
    m_lib->encoderStopper.RetryMs = 100;
    m_lib->completion.SetPowerOff(&m_power);
    m_power.settingsFile = m_appDir + "Config/UserSettings.ini";
        m_proc->settings.outputFolder().setText(m_outDir);
    m_proc->outputOptions.FillAll();
    m_proc->settings.Load();
    m_proc->outputOptions.ApplyProfile();

    m_main = std::make_unique<QWidget>();
    m_main->resize(600, 400);
    m_main->show();
    // Made as the program makes it, so the test sees it usable beside a disabled main window.
    m_dialog = ProgressDialog::CreateForMainWindow(m_main.get());
    m_dialog->Bind(*m_proc, m_main.get());

    m_proc->settings.showOutputFolder().setChecked(true);
    m_proc->settings.powerOffWhenDone().setChecked(false);
    BatchEnvironment &env = m_proc->batch.Environment;
    env.View = m_dialog;
    env.SetMainWindowEnabled = [this](bool enabled) { m_main->setEnabled(enabled); };
    env.EndProgram = [] { g_events << QStringLiteral("end program"); };
    env.Timings.showPauseMs = 50;
    env.Timings.startPauseMs = 100;
    env.Timings.pollMs = 20;
    env.Timings.runner = EncoderTimings{100, 50};
}

void BatchTest::cleanup()
{
    m_answerer.reset();
    m_main.reset();
    m_dialog = nullptr;
    m_proc.reset();
    m_lib = nullptr;
    m_dir.reset();
}

void BatchTest::addRow(const QString &path, bool checked, const QString &end)
{
    SourceRow row = SourceRow::ForNewSource(path, "1 KB", end);
    row.setCell(SourceRow::kStartColumn, "00:00:00");
    row.setCell(SourceRow::kEndColumn, end);
    row.setChecked(checked);
    m_proc->sources.appendRow(row);
}

QStringList BatchTest::logFiles() const
{
    return {m_appDir + "log.txt", QCoreApplication::applicationDirPath() + "/log.txt"};
}

QStringList BatchTest::logLines(const QString &prefix) const
{
    QStringList found;
    for (const QString &path : logFiles()) {
        QFile log(path);
        if (!log.open(QIODevice::ReadOnly))
            continue;
        // Only what this test wrote.
        log.seek(m_logStart.value(path));
        for (const QString &line : QString::fromUtf8(log.readAll()).split("\r\n")) {
            const int bar = static_cast<int>(line.indexOf('|'));
            if (bar >= 0 && line.mid(bar + 1).startsWith(prefix))
                found << line.mid(bar + 1);
        }
    }
    return found;
}

QStringList BatchTest::outputs() const
{
    return QDir(m_outDir).entryList(QDir::Files, QDir::Name);
}

QStringList BatchTest::allOutputFiles() const
{
    return QDir(m_outDir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString BatchTest::writeBrokenSource()
{
    const QString broken = m_fixtures.path() + "/broken.avi";
    QFile file(broken);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a video");
    return broken;
}

void BatchTest::whenEncoderRuns(std::function<void()> f)
{
    auto *timer = new QTimer(m_dialog);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, m_dialog, [timer, f] {
        if (EncoderStopper::FindEncoder("tcore") == 0)
            return;
        timer->stop();
        timer->deleteLater();
        f();
    });
    timer->start();
}

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
    m_lib->encoderStopper.Stop("tcore");
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
    m_lib->jobs.ProgramDir = appDir;
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
#include "BatchTest.moc"
