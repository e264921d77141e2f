// The real main window on an X server, driven by real input (XTEST events from xdotool):
// one key press runs its command exactly once whatever has the focus, also when the command
// runs a batch or a dialog of its own, and dragging the window ends with the button's
// release. Run by run_under_x.sh with and without a window manager.
#include "platform/IDesktopOpener.h"
#include "platform/IUserDialogs.h"
#include "platform/AppPaths.h"
#include "shell/StartUp.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"
#include "shell/PictureButton.h"
#include "sources/ISourceFileDialog.h"
#include "sources/SourceCommands.h"
#include "sources/SourceListModel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include "settings/OptionsDialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// A modal window that takes the focus for a moment, as a real dialog would, then closes.
void showBriefModal()
{
    QDialog box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("stand-in dialog"));
    auto *field = new QLineEdit(&box);
    field->setFocus();
    QTimer::singleShot(400, &box, &QDialog::reject);
    box.exec();
}

class CountingDialogs final : public IUserDialogs
{
public:
    int MessageBox(const QString &, const QString &text, Icon, Buttons) override
    {
        messages << text;
        return Ok;
    }
    bool Confirm(const QString &, const QString &) override { return false; }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    bool SelectFolder(const QString &, QString &) override
    {
        ++folderChoices;
        showBriefModal();
        return false;
    }
    QStringList messages;
    int folderChoices = 0;
};

class CountingOpenDialog final : public ISourceFileDialog
{
public:
    bool Execute(const QString &, QStringList *) override
    {
        ++shown;
        showBriefModal();
        return false;
    }
    QString FileName() const override { return QString(); }
    int shown = 0;
};

class CountingOpener final : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &) override { return true; }
    bool OpenPath(const QString &) override
    {
        ++opened;
        return true;
    }
    int opened = 0;
};

// Runs xdotool while the program's events go on being handled.
bool xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForStarted(10000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (tool.state() != QProcess::NotRunning && clock.elapsed() < 20000)
        QTest::qWait(10);
    return tool.state() == QProcess::NotRunning && tool.exitCode() == 0;
}

QString number(int value)
{
    return QString::number(value);
}

bool moveMouseTo(const QPoint &global)
{
    return xdotool({QStringLiteral("mousemove"), number(global.x()), number(global.y())});
}

} // namespace

class MainWindowInputTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_outDir;
    CountingDialogs m_dialogs;
    CountingOpenDialog m_openDialog;
    CountingOpener m_opener;
    std::unique_ptr<ProgramParts> m_parts;
    std::unique_ptr<MainWindow> m_form;

    QStringList outputs() const { return QDir(m_outDir).entryList(QDir::Files); }

    // Where the window is on the screen, as the X server has it: while a window manager
    // adopts and moves a window, Qt's own idea of its position can be off.
    QPoint windowPosition() const
    {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"),
                   {QStringLiteral("getwindowgeometry"), number(int(m_form->winId()))});
        if (!tool.waitForFinished(10000))
            return {};
        const QRegularExpression position(QStringLiteral("Position: (-?\\d+),(-?\\d+)"));
        const QRegularExpressionMatch found = position.match(QString::fromUtf8(tool.readAll()));
        return found.hasMatch() ? QPoint(found.captured(1).toInt(), found.captured(2).toInt())
                                : QPoint();
    }

    // Where a point of a control is on the screen.
    QPoint onScreen(const QWidget *control, const QPoint &at) const
    {
        return windowPosition() + control->mapTo(m_form.get(), at);
    }

    QPoint rowPoint(int row) const
    {
        auto *view = qobject_cast<QTableView *>(m_form->sourceList);
        const QRect cell = view->visualRect(view->model()->index(row, 2));
        return onScreen(view->viewport(), cell.center());
    }

    bool focusWindow()
    {
        return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                        number(int(m_form->winId()))});
    }

    // Clicks a row of the source list, as the user did before the shortcut.
    void clickRow(int row)
    {
        QVERIFY(moveMouseTo(rowPoint(row)));
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
        QVERIFY(focusWindow());
        QTRY_VERIFY(m_form->isActiveWindow());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Clipwright"));
        const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + QLatin1Char('/');
        const QString app = m_dir.path() + QStringLiteral("/app/");
        m_outDir = m_dir.path() + QStringLiteral("/out");
        QVERIFY(QDir().mkpath(app + QStringLiteral("Config")));
        QVERIFY(QDir().mkpath(m_outDir));
        for (const char *name : {"Res.rcc", "Help.html", "tcore", "mcore"})
            QVERIFY2(QFile::copy(built + QLatin1String(name), app + QLatin1String(name)), name);
        QFile settings(app + QStringLiteral("Config/UserSettings.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[USRInfo]\nSHWDDir=1\nSHUTDOWN=0\nOutDir=" + m_outDir.toUtf8() + "\n");
        settings.close();

        QStringList clips;
        for (int i = 1; i <= 3; ++i) {
            clips << m_dir.path() + QStringLiteral("/clip%1.mp4").arg(i);
            QCOMPARE(QProcess::execute(
                         QStringLiteral("ffmpeg"),
                         {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=96x64:rate=10",
                          "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050", "-t",
                          "1.5", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", clips.last()}),
                     0);
        }

        AppPaths::SetCurrent(AppPaths::Portable(app));
        m_parts = std::make_unique<ProgramParts>(&m_dialogs, &m_opener);
        m_form = std::make_unique<MainWindow>(*m_parts);
        m_form->SetEndProgram([] {});
        m_form->show();
        QTRY_VERIFY_WITH_TIMEOUT(m_form->IsReady(), 20000);
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_form->SourceCommander->SetOpenDialog(&m_openDialog);
        BatchTimings &timings = m_parts->batch.Environment.Timings;
        timings.showPauseMs = 100;
        timings.startPauseMs = 200;
        timings.pollMs = 20;

        m_form->SourceCommander->AddSourceFiles(clips);
        SourceListModel &list = m_parts->sources;
        QCOMPARE(list.count(), 3);
        list.setCell(2, SourceRow::kTickColumn, QStringLiteral("False"));
    }

    void cleanupTestCase()
    {
        m_form.reset();
    }

    // The case that found the fault: a row clicked, then the shortcut pressed once gives
    // one batch, one job per ticked row, and the folder opened once.
    void convertShortcutRunsOneBatch_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("Ctrl+S") << QStringLiteral("ctrl+s");
        QTest::newRow("Ctrl+N") << QStringLiteral("ctrl+n");
    }

    void convertShortcutRunsOneBatch()
    {
        QFETCH(QString, keys);
        for (const QString &name : outputs())
            QVERIFY(QFile::remove(m_outDir + QLatin1Char('/') + name));
        m_opener.opened = 0;
        clickRow(1);
        QVERIFY(xdotool({QStringLiteral("key"), keys}));
        QTRY_COMPARE_WITH_TIMEOUT(m_opener.opened, 1, 60000);
        QTRY_VERIFY(m_form->IsFormEnabled());
        // Long enough for a second batch to show itself.
        QTest::qWait(1500);
        QCOMPARE(m_opener.opened, 1);
        QStringList made = outputs();
        made.sort();
        QCOMPARE(made.size(), 2);
        QVERIFY2(made[0].startsWith(QStringLiteral("clip1.")), qPrintable(made.join(' ')));
        QVERIFY2(made[1].startsWith(QStringLiteral("clip2.")), qPrintable(made.join(' ')));
    }

    void dialogShortcutsOpenTheirDialogOnce()
    {
        clickRow(0);
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+o")}));
        QTRY_COMPARE(m_openDialog.shown, 1);
        QTest::qWait(1500);
        QCOMPARE(m_openDialog.shown, 1);

        clickRow(0);
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+b")}));
        QTRY_COMPARE(m_dialogs.folderChoices, 1);
        QTest::qWait(1500);
        QCOMPARE(m_dialogs.folderChoices, 1);
    }

    // The window tells the window manager its one size (minimum and maximum alike), so no
    // window manager offers to maximize or resize it.
    void theWindowTellsItsOneSize()
    {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(m_form->winId()), QStringLiteral("WM_NORMAL_HINTS")});
        QVERIFY(xprop.waitForFinished(10000));
        const QString hints = QString::fromLocal8Bit(xprop.readAllStandardOutput());
        const QString size = QStringLiteral("%1 by %2").arg(m_form->width()).arg(m_form->height());
        QVERIFY2(hints.contains(QStringLiteral("program specified minimum size: ") + size), qPrintable(hints));
        QVERIFY2(hints.contains(QStringLiteral("program specified maximum size: ") + size), qPrintable(hints));
    }

    // With or without a window manager, the Options dialog takes the keyboard when it opens
    // (Escape closes it), and the main window has it back afterwards (the shortcut works
    // again).
    void theOptionsDialogTakesTheKeyboardAndGivesItBack()
    {
        for (int round = 0; round < 2; ++round) {
            clickRow(0);
            QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+i")}));
            QTRY_VERIFY(m_form->optionsDialog && m_form->optionsDialog->isVisible());
            QTRY_VERIFY(m_form->optionsDialog->isActiveWindow());
            QTest::qWait(300);
            QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
            QTRY_VERIFY(!m_form->optionsDialog->isVisible());
            QTRY_VERIFY(m_form->isActiveWindow());
        }
    }

    // Pressing on the title or on a free part of the background and dragging moves the
    // window; the move ends with the release, and the next click goes where it is made.
    void dragEndsWithTheRelease_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("title") << QStringLiteral("lblTitle") << QPoint(120, 14);
        QTest::newRow("background") << QStringLiteral("background") << QPoint(330, 95);
    }

    void dragEndsWithTheRelease()
    {
        QFETCH(QString, part);
        QFETCH(QPoint, at);
        auto *pressed = m_form->findChild<QWidget *>(part);
        QVERIFY(pressed);
        QCOMPARE(m_form->childAt(pressed->mapTo(m_form.get(), at)), pressed);
        QVERIFY(focusWindow());
        const QPoint before = windowPosition();
        const QPoint start = onScreen(pressed, at);
        QVERIFY(moveMouseTo(start));
        QTest::qWait(200);
        QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
        QTest::qWait(300);
        for (int step = 1; step <= 4; ++step) {
            QVERIFY(moveMouseTo(start + QPoint(15, 10) * step));
            QTest::qWait(100);
        }
        QTest::qWait(300);
        QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
        QTRY_COMPARE(windowPosition(), before + QPoint(60, 40));

        // Released: the pointer goes on without the window.
        QVERIFY(moveMouseTo(start + QPoint(160, 120)));
        QTest::qWait(600);
        QCOMPARE(windowPosition(), before + QPoint(60, 40));

        // The next click lands on the button it is made on.
        QSignalSpy minimize(m_form->btnWindowMinimize, &QAbstractButton::clicked);
        QVERIFY(moveMouseTo(onScreen(m_form->btnWindowMinimize, QPoint(12, 12))));
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_COMPARE(minimize.count(), 1);
        QTest::qWait(300);
        QCOMPARE(windowPosition(), before + QPoint(60, 40));

        m_form->showNormal();
        m_form->raise();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QTRY_VERIFY(!m_form->isMinimized());
    }
};

QTEST_MAIN(MainWindowInputTest)
#include "MainWindowInputTest.moc"
