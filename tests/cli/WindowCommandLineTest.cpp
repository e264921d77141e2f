// The window and clipwright-cli build the same encoder command lines: the window is driven
// as a user drives it (a dropped file, the lists chosen with the keyboard, Convert clicked),
// the CLI is run with the matching options in the same program folder, and the log's
// "parameter:" lines of the two are compared byte for byte.
#include "platform/IDesktopOpener.h"
#include "platform/IUserDialogs.h"
#include "settings/OptionsDialog.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"
#include "shell/PictureButton.h"
#include "sources/SourceCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class SilentDialogs : public IUserDialogs
{
public:
    QStringList messages;
    int MessageBox(const QString &, const QString &text, Icon, Buttons) override
    {
        messages << text;
        return Ok;
    }
    bool Confirm(const QString &, const QString &) override { return false; }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    bool SelectFolder(const QString &, QString &) override { return false; }
};

class NoOpener : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &) override { return true; }
    bool OpenPath(const QString &) override { return true; }
};

} // namespace

class TestWindowCommandLine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SilentDialogs m_dialogs;
    NoOpener m_opener;
    std::unique_ptr<ProgramParts> m_parts;
    std::unique_ptr<MainWindow> m_form;

    QString appDir() const { return m_dir.path() + "/Program Folder/"; }
    QString outDir() const { return m_dir.path() + "/out/"; }
    QString clip() const { return m_dir.path() + "/clips/Sea \"shore\".mp4"; }

    qint64 logSize() const { return QFileInfo(appDir() + "log.txt").size(); }

    QStringList commandLinesSince(qint64 size) const
    {
        QFile log(appDir() + "log.txt");
        if (!log.open(QIODevice::ReadOnly))
            return {};
        log.seek(size);
        QStringList lines;
        for (const QString &line : QString::fromUtf8(log.readAll()).split('\n')) {
            const qsizetype at = line.indexOf("|parameter: ");
            if (at >= 0)
                lines << line.mid(at + 12);
        }
        return lines;
    }

    // Chooses entry index of a list of the window with the keyboard, as a user does.
    void choose(QComboBox *combo, int index)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), index);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + "/";
        QVERIFY(QDir().mkpath(appDir() + "Config"));
        for (const char *name : {"Res.rcc", "Help.html", "clipwright-cli", "tcore", "mcore"})
            QVERIFY2(QFile::copy(built + name, appDir() + name), name);
        QFile settings(appDir() + "Config/UserSettings.ini");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(("[USRInfo]\nSHWDDir=0\nSHUTDOWN=0\nOutDir=" + outDir() + "\n").toUtf8());
        settings.close();
        QFile profiles(appDir() + "Config/UserProfileInfo.ini");
        QVERIFY(profiles.open(QIODevice::WriteOnly));
        profiles.write("[Pocket]\nPocket=2|0|3|1|0|1\n");
        profiles.close();
        QVERIFY(QDir().mkpath(m_dir.path() + "/clips"));
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                              "testsrc=size=176x144:rate=15:duration=4", "-f",
                                              "lavfi", "-i", "sine=duration=4", "-shortest",
                                              "-c:v", "mpeg4", "-c:a", "aac", clip()}),
                 0);

        AppPaths::SetCurrent(AppPaths::Portable(appDir()));
        m_parts = std::make_unique<ProgramParts>(&m_dialogs, &m_opener);
        m_form = std::make_unique<MainWindow>(*m_parts);
        m_form->SetEndProgram([] {});
        m_form->show();
        QTRY_VERIFY_WITH_TIMEOUT(m_form->IsReady(), 10000);
        BatchTimings &timings = m_parts->batch.Environment.Timings;
        timings.showPauseMs = 0;
        timings.startPauseMs = 0;
        timings.pollMs = 20;
        m_form->SourceCommander->addDroppedFiles({clip()});
        QCOMPARE(m_parts->sources.count(), 1);
        // The Options dialog opened once, as a user who made the custom profile did.
        QTest::mouseClick(m_form->btnOptions, Qt::LeftButton);
        QTRY_VERIFY(m_form->optionsDialog && m_form->optionsDialog->isVisible());
        QTest::keyClick(m_form->optionsDialog, Qt::Key_Escape);
        QTRY_VERIFY(!m_form->optionsDialog->isVisible());
    }

    void cleanupTestCase()
    {
        m_form.reset();
    }

    void sameCommandLines_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("profile");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("args");
        const QStringList names = {"3gp", "3gp-amr", "3g2", "3g2-amr", "mp4", "amr",
                                   "aac", "mp3", "h264",    "h265",    "m4a"};
        for (int t = 0; t < names.size(); ++t) {
            QTest::addRow("%s normal", qPrintable(names[t]))
                << t << 2 << QString() << QString() << QStringList{"-t", names[t]};
        }
        QTest::addRow("3gp low") << 0 << 0 << QString() << QString()
                                 << QStringList{"-t", "1", "-q", "low"};
        QTest::addRow("mp4 superb") << 4 << 4 << QString() << QString()
                                    << QStringList{"-t", "mp4", "-q", "superb"};
        QTest::addRow("mp3 excellent") << 7 << 3 << QString() << QString()
                                       << QStringList{"-t", "mp3", "-q", "Excellent"};
        QTest::addRow("mp4 trimmed") << 4 << 1 << "00:00:01" << "00:00:03"
                                     << QStringList{"-t", "mp4", "-q", "acceptable", "--start",
                                                    "1", "--end", "0:03"};
        // Last: the window keeps applying a custom profile chosen in the Options dialog to
        // every later job, which a fresh start of the window (and the CLI) does not.
        QTest::addRow("3g2 custom") << 2 << 5 << QString() << QString()
                                    << QStringList{"-t", "3g2", "-q", "Pocket"};
        QTest::addRow("aac custom") << 6 << 5 << QString() << QString()
                                    << QStringList{"-t", "aac", "-q", "Pocket"};
    }

    void sameCommandLines()
    {
        QFETCH(int, type);
        QFETCH(int, profile);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QStringList, args);

        // The window: a fresh start's lists, then the user's choices.
        choose(m_form->cbbOutputFiletype, 0);
        choose(m_form->cbbProfile, 2);
        choose(m_form->cbbOutputFiletype, type);
        if (m_form->cbbProfile->isEnabled())
            choose(m_form->cbbProfile, profile);
        SourceListModel &rows = m_parts->sources;
        rows.setCell(0, SourceRow::kStartColumn, start.isEmpty() ? "00:00:00" : start);
        rows.setCell(0, SourceRow::kEndColumn,
                     end.isEmpty() ? rows.row(0).cell(SourceRow::kDurationColumn) : end);

        const qint64 before = logSize();
        QTest::mouseClick(m_form->btnConvert, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(m_form->IsFormEnabled(), 60000);
        const QStringList window = commandLinesSince(before);
        QCOMPARE(window.size(), 1);
        QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.join('\n')));
        // The output name is free again for the CLI.
        for (const QString &name : QDir(outDir()).entryList(QDir::Files))
            QVERIFY(QFile::remove(outDir() + name));

        const qint64 middle = logSize();
        QProcess cli;
        cli.start(appDir() + "clipwright-cli", args + QStringList{clip()});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QStringList fromCli = commandLinesSince(middle);
        QCOMPARE(fromCli, window);
        for (const QString &name : QDir(outDir()).entryList(QDir::Files))
            QVERIFY(QFile::remove(outDir() + name));
    }
};

QTEST_MAIN(TestWindowCommandLine)
#include "WindowCommandLineTest.moc"
