// Several jobs of a batch at once: outputs, stops and failures with the real encoder.
#include "BatchTest.h"

#include <QProgressBar>
#include <QRegularExpression>

namespace {

// The mean colour of an output's middle frame, as the ffmpeg tool decodes it.
QColor decodedColour(const QString &file)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-ss", "0.5", "-i", file, "-frames:v", "1", "-vf",
                            "scale=1:1:flags=area", "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    if (!ffmpeg.waitForFinished(30000))
        return {};
    const QByteArray rgb = ffmpeg.readAllStandardOutput();
    if (rgb.size() != 3)
        return {};
    return QColor(quint8(rgb[0]), quint8(rgb[1]), quint8(rgb[2]));
}

bool near(const QColor &a, const QColor &b)
{
    return a.isValid() && std::abs(a.red() - b.red()) < 48 && std::abs(a.green() - b.green()) < 48 &&
           std::abs(a.blue() - b.blue()) < 48;
}

// The source and output of each "parameter: " line, in the order the jobs started.
QList<QPair<QString, QString>> jobsOf(const QStringList &params)
{
    static const QRegularExpression paths(R"re(-i "([^"]+)".* "([^"]+)"$)re");
    QList<QPair<QString, QString>> jobs;
    for (const QString &line : params) {
        const QRegularExpressionMatch m = paths.match(line);
        if (m.hasMatch())
            jobs << qMakePair(m.captured(1), m.captured(2));
    }
    return jobs;
}

} // namespace

QString BatchTest::colourClip(const QString &name, const QString &colour, int seconds)
{
    const QString clip = m_fixtures.path() + "/" + name;
    if (!QFile::exists(clip)) {
        QDir().mkpath(QFileInfo(clip).path());
        const int rc = QProcess::execute(
            "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                       QStringLiteral("color=c=%1:size=320x240:rate=25").arg(colour), "-f", "lavfi",
                       "-i", "sine=frequency=440:sample_rate=44100", "-t", QString::number(seconds),
                       "-c:v", "mpeg4", "-c:a", "aac", "-shortest", clip});
        if (rc != 0)
            return {};
    }
    return clip;
}

QList<qint64> BatchTest::runningEncoders()
{
    QList<qint64> pids;
    for (const ProcessEntry &entry : ProcessTable::WithName(ProcessTable::Descendants(), "tcore"))
        pids << entry.pid;
    return pids;
}

void BatchTest::jobsSideBySideWriteEachSourceToItsOwnOutput_data()
{
    QTest::addColumn<int>("jobs");
    QTest::newRow("two") << 2;
    QTest::newRow("four") << 4;
}

// Each output holds its own source's pictures, even where sources share a base name and the
// jobs claiming the names run at the same time; rows start top to bottom, and the folder
// opens once, after the last job.
void BatchTest::jobsSideBySideWriteEachSourceToItsOwnOutput()
{
    QFETCH(int, jobs);
    m_proc->settings.SetConversionsAtOnce(jobs);
    m_proc->batch.Environment.Timings.showPauseMs = 0;
    const QList<QPair<QString, QColor>> sources = {
        {colourClip("red/clip.mp4", "red"), Qt::red},
        {colourClip("blue/clip.mp4", "blue"), Qt::blue},
        {colourClip("green/clip.mp4", "lime"), Qt::green},
        {colourClip("yellow.mp4", "yellow"), Qt::yellow},
        {colourClip("white/clip.mp4", "white"), Qt::white},
        {colourClip("magenta.mp4", "magenta"), Qt::magenta},
    };
    for (const auto &source : sources) {
        QVERIFY(!source.first.isEmpty());
        addRow(source.first, true, "00:00:02");
    }
    addRow(m_clips[0], false);
    // The dialog shows a line per job (file name and bar) under the batch bar.
    int most = 0;
    int named = 0;
    QSet<QString> names;
    QTimer looker;
    looker.setInterval(5);
    connect(&looker, &QTimer::timeout, [&] {
        most = std::max(most, int(runningEncoders().size()));
        int shown = 0;
        for (const ProgressDialog::JobLine &line : m_dialog->JobLines()) {
            if (line.fileName->isVisible() && !line.fileName->text().isEmpty()) {
                ++shown;
                names << line.fileName->text();
            }
        }
        named = std::max(named, shown);
    });
    looker.start();
    m_proc->batch.Run();
    looker.stop();

    QCOMPARE(m_proc->batch.JobsAtOnce(), jobs);
    QVERIFY2(most >= 2, qPrintable(QString::number(most)));
    QVERIFY(most <= jobs);
    QCOMPARE(int(m_dialog->JobLines().size()), jobs);
    QVERIFY(named >= 2);
    QVERIFY(m_dialog->pbTotal->isVisibleTo(m_dialog) && !m_dialog->ProgressBar1->isVisibleTo(m_dialog));
    QCOMPARE(names, QSet<QString>({"clip.mp4", "yellow.mp4", "magenta.mp4"}));
    const QList<QPair<QString, QString>> ran = jobsOf(logLines("parameter: "));
    QCOMPARE(ran.size(), sources.size());
    QStringList written;
    for (int i = 0; i < sources.size(); ++i) {
        QCOMPARE(ran[i].first, sources[i].first);
        const QString &output = ran[i].second;
        written << QFileInfo(output).fileName();
        const QColor colour = decodedColour(output);
        QVERIFY2(near(colour, sources[i].second),
                 qPrintable(output + " shows " + colour.name() + ", not " + sources[i].second.name()));
    }
    written.sort();
    QCOMPARE(written, QStringList({"clip.3gp", "clip_1.3gp", "clip_2.3gp", "clip_3.3gp",
                                   "magenta.3gp", "yellow.3gp"}));
    QCOMPARE(allOutputFiles(), written); // nothing claimed or partial left behind
    QCOMPARE(m_proc->batch.ConvertedCount, sources.size());
    QCOMPARE(g_events, QStringList({"open " + m_outDir + "/"}));
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_proc->batch.JobRunning());
}

// Stop with four encoders running, two of them waiting on sources that never deliver: every
// encoder ends, no later row starts, and neither a claimed name nor a partial file stays.
void BatchTest::stopWithFourRunningLeavesNoEncoderAndNoPartialFile()
{
    m_proc->settings.SetConversionsAtOnce(4);
    m_proc->batch.Environment.Timings.showPauseMs = 0;
    const QString secondFifo = m_fixtures.path() + "/endless2.mp4";
    if (!QFile::exists(secondFifo))
        QCOMPARE(::mkfifo(QFile::encodeName(secondFifo).constData(), 0600), 0);
    const QString longClip = colourClip("long.mp4", "red", 60);
    addRow(m_fifo, true, "00:00:05");
    addRow(longClip, true, "00:01:00");
    addRow(secondFifo, true, "00:00:05");
    addRow(longClip, true, "00:01:00");
    addRow(m_clips[0]);
    addRow(m_clips[1]);

    QList<qint64> encoders;
    auto *timer = new QTimer(m_dialog);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, m_dialog, [&, timer] {
        if (runningEncoders().size() < 4)
            return;
        timer->stop();
        encoders = runningEncoders();
        // Each encoder's partial file as it is written where the file system has no
        // unnamed files.
        for (qint64 pid : encoders) {
            QFile part(m_outDir + QStringLiteral("/.clip.3gp.%1.part").arg(pid));
            QVERIFY(part.open(QIODevice::WriteOnly));
            part.write("partial");
        }
        QTest::mouseClick(m_dialog->btnStop, Qt::LeftButton);
    });
    timer->start();
    m_proc->batch.Run();

    QCOMPARE(encoders.size(), 4);
    for (qint64 pid : encoders)
        QVERIFY(!processAlive(pid_t(pid)));
    QVERIFY(runningEncoders().isEmpty());
    QCOMPARE(logLines("parameter: ").size(), 4);
    QCOMPARE(allOutputFiles(), QStringList());
    QCOMPARE(g_events, QStringList({"box Are you sure you want to stop the work ? "}));
    QCOMPARE(m_proc->batch.state(), BatchRunner::State::Stopped);
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_dialog->isVisible());
}

// A job that fails beside running ones is named once, after the folder opened; the jobs
// around it still write their outputs.
void BatchTest::aFailingJobAmongRunningOnesIsNamedAndTheOthersFinish()
{
    m_proc->settings.SetConversionsAtOnce(2);
    const QString broken = writeBrokenSource();
    addRow(colourClip("red/clip.mp4", "red"), true, "00:00:02");
    addRow(broken);
    addRow(colourClip("blue/clip.mp4", "blue"), true, "00:00:02");
    addRow(m_clips[2]);
    m_proc->batch.Run();

    QCOMPARE(outputs(), QStringList({"clip.3gp", "clip3.3gp", "clip_1.3gp"}));
    QCOMPARE(allOutputFiles(), outputs());
    QCOMPARE(g_events.size(), 2);
    QCOMPARE(g_events[0], "open " + m_outDir + "/");
    QVERIFY(g_events[1].startsWith("box These files could not be converted:\n\n" + broken));
    QCOMPARE(g_events[1].count(m_fixtures.path()), 1);
    const QStringList failed = logLines("Conversion failed: ");
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed[0].contains(broken) && failed[0].contains("exit code"));
}
