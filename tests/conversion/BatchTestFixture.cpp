// The batch tests' fixture: the program folder, the parts, the dialog and the helpers.
#include "BatchTest.h"

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
    m_proc->jobs.ProgramDir = m_appDir;
    AppPaths::SetCurrent(AppPaths::Portable(m_appDir));
    m_proc->encoderStopper.RetryMs = 100;
    m_proc->completion.SetPowerOff(&m_power);
    m_power.settingsFile = m_appDir + "Config/UserSettings.ini";
    m_proc->settings.outputFolder().setText(m_outDir);
    m_proc->outputOptions.FillAll();
    m_proc->settings.Load();
    // These tests follow one job at a time; BatchTestSideBySide.cpp runs several at once.
    m_proc->settings.SetConversionsAtOnce(1);
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
