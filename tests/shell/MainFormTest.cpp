// The main window on a real (offscreen) display: its layout and outline, the keyboard
// shortcuts, start-up with the built resource module, the About box, the help, web and
// codec download commands through a fake desktop opener, and closing.
#include "platform/IDesktopOpener.h"
#include "shell/ProgramParts.h"
#include "platform/IUserDialogs.h"
#include "platform/AppPaths.h"
#include "platform/ResourceModule.h"
#include "shell/StartUp.h"
#include "shell/SplashWindow.h"
#include "shell/MainWindow.h"
#include "shell/PictureButton.h"
#include "shell/ProductInfo.h"
#include "sources/ISourceFileDialog.h"
#include "sources/SourceCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QAbstractItemView>
#include <QScopeGuard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <functional>

#include <memory>

namespace {

struct OpenCall
{
    QString kind; // "address" or "path"
    QString target;
};

class FakeDialogs final : public IUserDialogs
{
public:
    int MessageBox(const QString &caption, const QString &text, Icon icon, Buttons) override
    {
        messages << caption + QLatin1Char('|') + text;
        icons.push_back(icon);
        return Ok;
    }
    bool Confirm(const QString &, const QString &) override { return false; }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    bool SelectFolder(const QString &, QString &) override { return false; }
    QStringList messages;
    std::vector<Icon> icons;
};

class FakeOpener final : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &address) override
    {
        calls.push_back({QStringLiteral("address"), address});
        return true;
    }
    bool OpenPath(const QString &path) override
    {
        calls.push_back({QStringLiteral("path"), path});
        return true;
    }
    std::vector<OpenCall> calls;
};

// The built program folder, which holds Res.rcc and Help.html.
QString builtAppDir()
{
    return qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + QLatin1Char('/');
}

// The program folder of the tests: a copy of the built one with its own Config/.
QTemporaryDir g_programFolder;

QString appDir()
{
    return g_programFolder.path() + QLatin1Char('/');
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// An open dialog that is cancelled at once, so that Ctrl+O shows no real file dialog.
class CancelledOpenDialog final : public ISourceFileDialog
{
public:
    bool Execute(const QString &, QStringList *) override { return false; }
    QString FileName() const override { return QString(); }
};

class TestMainForm : public QObject
{
    Q_OBJECT

private:
    FakeOpener m_opener;
    CancelledOpenDialog m_openDialog;
    FakeDialogs m_dialogs;
    std::unique_ptr<ProgramParts> m_parts;
    std::unique_ptr<MainWindow> m_form;

    // Runs action, which opens a modal box; returns "title|text" of that box and closes it.
    QString modalText(const std::function<void()> &action)
    {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + QLatin1Char('|') + box->text();
                box->accept();
            }
        });
        action();
        return seen;
    }

    PictureButton *button(const char *name)
    {
        return m_form->findChild<PictureButton *>(QLatin1String(name));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Clipwright"));
        QVERIFY2(QFileInfo::exists(builtAppDir() + QStringLiteral("Res.rcc")),
                 "the program folder must hold Res.rcc");
        for (const char *name : {"Res.rcc", "Help.html"})
            QVERIFY(QFile::copy(builtAppDir() + QLatin1String(name), appDir() + QLatin1String(name)));
        // Settings of an earlier run: the start loads them into the window.
        QVERIFY(QDir(appDir()).mkdir(QStringLiteral("Config")));
        QFile settings(appDir() + QStringLiteral("Config/UserSettings.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[USRInfo]\nSHWDDir=0\nSHUTDOWN=1\nOutDir=/srv/clips out\n");
        settings.close();

        AppPaths::SetCurrent(AppPaths::Portable(appDir()));
        m_parts = std::make_unique<ProgramParts>(&m_dialogs, &m_opener);
        m_form = std::make_unique<MainWindow>(*m_parts);
        m_form->SetEndProgram([] {});
        m_form->show();
        QTRY_VERIFY_WITH_TIMEOUT(m_form->IsReady(), 10000);
        if (m_form->SourceCommander)
            m_form->SourceCommander->SetOpenDialog(&m_openDialog);
    }

    void cleanupTestCase()
    {
        m_form.reset();
    }

    void init()
    {
        m_opener.calls.clear();
        m_dialogs.messages.clear();
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        auto row = [](const char *name, int x, int y, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h);
        };
        row("background", 0, 0, 692, 456);
        row("lblTitle", 63, 32, 537, 27);
        row("btnWindowMinimize", 606, 28, 25, 25);
        row("btnWindowClose", 640, 28, 25, 25);
        row("btnHomePage", 406, 73, 48, 48);
        row("btnEMail", 459, 73, 48, 48);
        row("btnHelp", 565, 73, 48, 48);
        row("btnAbout", 618, 73, 48, 48);
        row("videoWindow", 26, 76, 253, 152);
        row("separatorLine", 290, 125, 379, 5);
        row("cbbOutputFiletype", 368, 133, 297, 21);
        row("cbbProfile", 368, 160, 217, 21);
        row("btnOptions", 595, 160, 70, 20);
        row("edtOutputFolder", 368, 188, 217, 21);
        row("chooseFolderButton", 595, 188, 70, 20);
        row("sizeLimitBox", 578, 225, 87, 21);
        row("trimStripWidget", 22, 234, 260, 19);
        row("btnPlay", 36, 261, 25, 25);
        row("btnPause", 68, 261, 25, 25);
        row("btnStop", 99, 261, 25, 25);
        row("imgPlay", 146, 253, 136, 38);
        row("pnlCurTime", 171, 264, 81, 17);
        row("sourceList", 22, 292, 525, 138);
        row("btnOpenFile", 555, 289, 110, 30);
        row("btnRemoveFile", 555, 323, 110, 30);
        row("btnClearFile", 555, 357, 110, 30);
        row("btnConvert", 555, 391, 110, 40);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto *widget = m_form->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisible());
    }

    void labelsAndHints()
    {
        struct Place
        {
            const char *name;
            QPoint at;
            const char *text;
        };
        const Place labels[] = {
            {"lblOutputFileTypeName", {288, 136}, "Output FileType:"},
            {"lblProfileSettings", {291, 164}, "Profile Settings:"},
            {"lblOutputFolderInfo", {298, 191}, "Output Folder:"},
            {"powerOffCaption", {313, 227}, "Shutdown computer when job is finished."},
            {"showFolderCaption", {313, 247}, "Show output directory when done"},
            {"coderLink", {296, 272}, "Click here to download the coder"},
        };
        for (const Place &p : labels) {
            auto *label = m_form->findChild<QLabel *>(QLatin1String(p.name));
            QVERIFY2(label, p.name);
            QCOMPARE(label->pos(), p.at);
            QCOMPARE(label->text(), QString::fromUtf8(p.text));
        }
        QCOMPARE(m_form->chkShutdown->pos(), QPoint(294, 226));
        QCOMPARE(m_form->chkShowOutputDirectory->pos(), QPoint(294, 246));
        QCOMPARE(m_form->size(), QSize(692, 456));

        const std::pair<const char *, const char *> hints[] = {
            {"btnOptions", "Ctrl + I"}, {"chooseFolderButton", "Ctrl + B"}, {"btnPlay", "Ctrl + P"},
            {"btnPause", "Ctrl + U"},   {"btnStop", "Ctrl + T"},      {"btnOpenFile", "Ctrl + O"},
            {"btnRemoveFile", "Ctrl + R"}, {"btnClearFile", "Ctrl + L"},
            {"btnConvert", "Ctrl + S"},
        };
        for (const auto &[name, hint] : hints) {
            QCOMPARE(button(name)->hint(), QString::fromLatin1(hint));
            QCOMPARE(button(name)->toolTip(), QString::fromLatin1(hint));
        }
        // The help button keeps its hint to itself.
        QCOMPARE(button("btnHelp")->hint(), QStringLiteral("Help (F1)"));
        QVERIFY(button("btnHelp")->toolTip().isEmpty());
    }

    void pictureButtonsLeaveOliveOut()
    {
        QImage picture(4, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(0x80, 0x80, 0x00));
        picture.setPixel(1, 0, qRgb(0x80, 0x80, 0x01));
        picture.setPixel(2, 0, qRgb(0, 0, 0));
        picture.setPixel(3, 0, qRgb(0x80, 0x80, 0x00));
        const QImage shown = PictureButton::withOliveTransparent(picture).toImage();
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(shown.pixel(1, 0)), 255);
        QCOMPARE(qAlpha(shown.pixel(2, 0)), 255);
        QCOMPARE(qAlpha(shown.pixel(3, 0)), 0);
        // Every picture button found its three skins.
        for (PictureButton *b : m_form->findChildren<PictureButton *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            QVERIFY2(!b->grab().isNull() && b->size() == b->sizeHint(),
                     qPrintable(b->objectName()));
        }
    }

    void outlineFollowsTheBackground()
    {
        const QRegion outline = m_form->mask();
        QVERIFY(!outline.isEmpty());
        QVERIFY(outline.contains(QPoint(346, 228)));
        QVERIFY(outline.contains(QPoint(346, 0)));
        // The rounded corners lie outside the window.
        QVERIFY(!outline.contains(QPoint(0, 0)));
        QVERIFY(!outline.contains(QPoint(0, 455)));
        QVERIFY(!outline.contains(QPoint(691, 455)));
        QVERIFY(m_form->minimumSize().width() <= 692 && m_form->minimumSize().height() <= 456);
    }

    void startUpSetsTitleAndProductInfo()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Clipwright 1.0"));
        QCOMPARE(m_form->lblTitle->text(), QStringLiteral("Clipwright 1.0"));
        QCOMPARE(m_parts->product.ProductName, QStringLiteral("Clipwright"));
        QCOMPARE(m_parts->product.HomePage, QStringLiteral("https://clipwright.example.org"));
        QCOMPARE(m_parts->product.SupportMail, QStringLiteral("support@clipwright.example.org"));
        QVERIFY(m_parts->product.CodecAddress.startsWith(QStringLiteral("https://")));
        QCOMPARE(m_parts->product.ExeDir, appDir());
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void startUpLoadsSettingsAndFillsLists()
    {
        QVERIFY(!m_form->chkShowOutputDirectory->isChecked());
        QVERIFY(m_form->chkShutdown->isChecked());
        QCOMPARE(m_form->edtOutputFolder->text(), QStringLiteral("/srv/clips out"));
        QCOMPARE(m_form->cbbOutputFiletype->count(), 11);
        QCOMPARE(m_form->cbbOutputFiletype->currentIndex(), 0);
        QVERIFY(m_form->cbbProfile->count() >= 5);
        QCOMPARE(m_form->cbbProfile->currentIndex(), 2);
        QVERIFY(m_form->btnOptions->isEnabled());
        QVERIFY(m_form->acceptDrops());
    }

    void choosingAnOutputTypeAppliesItsProfile()
    {
        // AMR (type 5) has one profile: the profile list and Options are disabled.
        m_form->cbbOutputFiletype->setCurrentIndex(5);
        Q_EMIT m_form->cbbOutputFiletype->activated(5);
        QVERIFY(!m_form->btnOptions->isEnabled());
        QVERIFY(!m_form->cbbProfile->isEnabled());
        m_form->cbbOutputFiletype->setCurrentIndex(0);
        Q_EMIT m_form->cbbOutputFiletype->activated(0);
        QVERIFY(m_form->btnOptions->isEnabled());
        QVERIFY(m_form->cbbProfile->isEnabled());
    }

    // The size limit box takes a choice or a typed number of MB, keeps it in the settings and
    // refuses, with a message, what is no limit.
    void sizeLimitTakesAChoiceOrANumber()
    {
        QComboBox *box = m_form->sizeLimitBox;
        QCOMPARE(box->currentText(), QStringLiteral("None"));
        QApplication::setActiveWindow(m_form.get());
        box->setFocus();
        // The other tests send their keys to a window without a focused control.
        const auto restore = qScopeGuard([box] {
            box->hidePopup();
            box->clearFocus();
        });
        QTRY_COMPARE(QApplication::focusWidget(), box);
        auto type = [](const QString &text) {
            QWidget *field = QApplication::focusWidget();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        };

        type(QStringLiteral("abc"));
        QCOMPARE(m_dialogs.messages,
                 QStringList{QStringLiteral("Clipwright|\"abc\" is no size limit. Type a number of "
                                            "MB above 0, such as 25, or choose None.")});
        QCOMPARE(box->currentText(), QStringLiteral("None"));
        QCOMPARE(m_parts->jobs.SizeLimitMB, 0.0);

        type(QStringLiteral("12.5"));
        QCOMPARE(box->currentText(), QStringLiteral("12.5 MB"));
        QCOMPARE(m_parts->jobs.SizeLimitMB, 12.5);
        QFile settings(appDir() + QStringLiteral("Config/UserSettings.ini"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("SizeLimit=12.5\r\n"));

        // The list's own choices, with the keyboard.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(box->view()->isVisible());
        box->view()->setCurrentIndex(box->model()->index(0, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_COMPARE(box->currentText(), QStringLiteral("None"));
        QCOMPARE(m_parts->jobs.SizeLimitMB, 0.0);
        QCOMPARE(m_dialogs.messages.size(), 1);
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clicked"); // button name, "help" or empty for nothing
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << "btnOpenFile";
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << ctrl << "btnRemoveFile";
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl << "btnClearFile";
        QTest::newRow("Ctrl+I") << int(Qt::Key_I) << ctrl << "btnOptions";
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << "btnPlay";
        QTest::newRow("Ctrl+U") << int(Qt::Key_U) << ctrl << "btnPause";
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << ctrl << "btnStop";
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << "btnConvert";
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << "btnConvert";
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << ctrl << "chooseFolderButton";
        QTest::newRow("Ctrl+Shift+O") << int(Qt::Key_O) << int(ctrl | Qt::ShiftModifier) << "";
        QTest::newRow("Ctrl+Alt+S") << int(Qt::Key_S) << int(ctrl | Qt::AltModifier) << "";
        QTest::newRow("O alone") << int(Qt::Key_O) << 0 << "";
        QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier) << "";
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << "";
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "help";
        QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << "help";
        QTest::newRow("Ctrl+F1") << int(Qt::Key_F1) << ctrl << "help";
    }

    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clicked);
        // Every button that a shortcut can click, watched at once.
        std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
        for (PictureButton *b :
             m_form->findChildren<PictureButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            // The mapping is under test here, not whether a command is available now.
            b->setEnabled(true);
            spies.emplace_back(b->objectName(),
                               std::make_unique<QSignalSpy>(b, &QAbstractButton::clicked));
        }

        QTest::keyClick(m_form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // The command runs once the key has been delivered.
        QCoreApplication::processEvents();

        for (auto &[name, spy] : spies)
            QCOMPARE(spy->count(), name == clicked ? 1 : 0);
        if (clicked == QLatin1String("help")) {
            QCOMPARE(m_opener.calls.size(), size_t(1));
            QCOMPARE(m_opener.calls[0].kind, QStringLiteral("path"));
            QCOMPARE(m_opener.calls[0].target, appDir() + QStringLiteral("Help.html"));
        } else {
            QVERIFY(m_opener.calls.empty());
        }
    }

    // One key press is one command, also when the command moves the focus while the key
    // is still on its way up through the parents (as a batch or a dialog does).
    void shortcutStillReachesTheFocusedControl_data()
    {
        QTest::addColumn<bool>("commandMovesFocus");
        QTest::newRow("focus stays") << false;
        QTest::newRow("command moves the focus") << true;
    }
    void shortcutStillReachesTheFocusedControl()
    {
        QFETCH(bool, commandMovesFocus);
        QApplication::setActiveWindow(m_form.get());
        m_form->edtOutputFolder->setFocus();
        QTRY_VERIFY(m_form->edtOutputFolder->hasFocus());
        int keysSeen = 0;
        struct Counter : QObject
        {
            int *seen;
            explicit Counter(int *s) : seen(s) {}
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::KeyPress &&
                    static_cast<QKeyEvent *>(e)->key() == Qt::Key_R)
                    ++*seen;
                return false;
            }
        } counter(&keysSeen);
        m_form->edtOutputFolder->installEventFilter(&counter);
        QSignalSpy remove(m_form->btnRemoveFile, &QAbstractButton::clicked);
        QMetaObject::Connection moving;
        if (commandMovesFocus)
            moving = connect(m_form->btnRemoveFile, &QAbstractButton::clicked, m_form.get(),
                             [this] { m_form->setFocus(); });
        QTest::keyClick(m_form->edtOutputFolder, Qt::Key_R, Qt::ControlModifier);
        QTest::qWait(50);
        disconnect(moving);
        m_form->edtOutputFolder->removeEventFilter(&counter);
        QCOMPARE(remove.count(), 1); // once, although the key passes up through the parents
        QCOMPARE(keysSeen, 1);
    }

    void webCommands()
    {
        const ProductInfo saved = m_parts->product;
        QTest::mouseClick(m_form->btnHomePage, Qt::LeftButton);
        QTest::mouseClick(m_form->btnEMail, Qt::LeftButton);
        QTest::mouseClick(m_form->btnHelp, Qt::LeftButton);
        QTest::mouseClick(m_form->coderLink, Qt::LeftButton);
        // The link is a Tab stop of its own and follows Return and Space like a click.
        QVERIFY(m_form->coderLink->focusPolicy() & Qt::TabFocus);
        m_form->coderLink->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        m_parts->product.SupportMail.clear();
        QTest::mouseClick(m_form->btnEMail, Qt::LeftButton);
        m_parts->product = saved;

        const std::vector<std::pair<QString, QString>> expected = {
            {QStringLiteral("address"), QStringLiteral("https://clipwright.example.org")},
            {QStringLiteral("address"), QStringLiteral("mailto:support@clipwright.example.org")},
            {QStringLiteral("path"), appDir() + QStringLiteral("Help.html")},
            {QStringLiteral("address"), m_parts->product.CodecAddress},
            {QStringLiteral("address"), m_parts->product.CodecAddress},
            {QStringLiteral("address"), m_parts->product.CodecAddress},
            {QStringLiteral("address"), QStringLiteral("mailto:")},
        };
        QCOMPARE(m_opener.calls.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(m_opener.calls[i].kind, expected[i].first);
            QCOMPARE(m_opener.calls[i].target, expected[i].second);
        }
        QVERIFY(QFileInfo::exists(appDir() + QStringLiteral("Help.html")));
    }

    void aboutBoxShowsNameAndVersion()
    {
        const QString seen = modalText([&] { QTest::mouseClick(m_form->btnAbout, Qt::LeftButton); });
        QVERIFY2(seen.contains(QStringLiteral("Clipwright 1.0")), qPrintable(seen));
        QVERIFY(seen.contains(QStringLiteral("https://clipwright.example.org")));
    }

    void versionText()
    {
        QCOMPARE(ShortVersion(QStringLiteral("2.0.0.0")), QStringLiteral("2.0"));
        QCOMPARE(ShortVersion(QStringLiteral("1.12.3")), QStringLiteral("1.12"));
        QCOMPARE(ShortVersion(QString()), QString());
        QCOMPARE(GetVersionText(QCoreApplication::applicationFilePath()), QStringLiteral("1.0"));
        // Other executables carry no version: empty, as for a file without version data.
        QCOMPARE(GetVersionText(QStringLiteral("/bin/sh")), QString());
        QCOMPARE(GetVersionText(QStringLiteral("/no/such/file")), QString());
    }

    void resourceModuleReadsEntries()
    {
        ResourceModule module;
        QVERIFY(module.Load(appDir() + QStringLiteral("Res.rcc")));
        QCOMPARE(module.String(ResourceModule::kProductName), QStringLiteral("Clipwright"));
        QVERIFY(module.String(2).isEmpty());
        const QImage splash = QImage::fromData(module.Picture(QStringLiteral("ImgFlash")), "JPEG");
        QCOMPARE(splash.size(), QSize(353, 190));
        // A second object maps the same file at the same time.
        ResourceModule other;
        QVERIFY(other.Load(appDir() + QStringLiteral("Res.rcc")));
        other.Unload();
        QCOMPARE(module.String(ResourceModule::kHomePage),
                 QStringLiteral("https://clipwright.example.org"));
        QTemporaryDir dir;
        QFile junk(dir.filePath(QStringLiteral("Res.rcc")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a resource file");
        junk.close();
        ResourceModule bad;
        QVERIFY(!bad.Load(junk.fileName()));
        QVERIFY(bad.String(1).isEmpty());
    }

    void missingResourceModuleEndsTheProgram()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Res.rcc"));
        int terminateRequests = 0;
        const bool found =
            CheckResourceModule(m_parts->messages, path, [&] { ++terminateRequests; });
        QVERIFY(!found);
        QCOMPARE(terminateRequests, 1);
        QCOMPARE(m_dialogs.messages,
                 QStringList{QStringLiteral("Clipwright|'%1' is not found. Please reinstall this "
                                            "program.").arg(path)});
        QCOMPARE(m_dialogs.icons.back(), IUserDialogs::Icon::Information);

        // Present: no message, no request.
        m_dialogs.messages.clear();
        QVERIFY(CheckResourceModule(m_parts->messages, appDir() + QStringLiteral("Res.rcc")));
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void splashRunsStartUpOnceAndWaits()
    {
        int runs = 0;
        QSize shownSize;
        QElapsedTimer clock;
        clock.start();
        ShowSplash(appDir() + QStringLiteral("Res.rcc"), [&] {
            ++runs;
            if (QWidget *splash = QApplication::activeModalWidget())
                shownSize = splash->size();
        });
        QCOMPARE(runs, 1);
        QCOMPARE(shownSize, QSize(353, 190));
        QVERIFY(clock.elapsed() >= 1990); // two ticks of holdTimer, one second apart
        // Without a module the splash still runs start-up and closes.
        runs = 0;
        ShowSplash(QStringLiteral("/no/such/Res.rcc"), [&] { ++runs; });
        QCOMPARE(runs, 1);
    }

    void closingSavesTheSettingsAndEndsTheProgram()
    {
        int ends = 0;
        m_form->SetEndProgram([&] { ++ends; });
        // The user ticks "Show output directory when done" by its label.
        QTest::mouseClick(m_form->showFolderCaption, Qt::LeftButton);
        QVERIFY(m_form->chkShowOutputDirectory->isChecked());
        // Saved at once, before any close: a crash now would not lose it.
        QVERIFY(readFile(appDir() + QStringLiteral("Config/UserSettings.ini"))
                    .contains(QStringLiteral("SHWDDir=1")));
        QTest::mouseClick(m_form->btnWindowClose, Qt::LeftButton);
        QCOMPARE(ends, 1);
        QVERIFY(!m_form->isVisible());
        QVERIFY(!m_form->memoryTrimTimer->isActive());
        const QString saved = readFile(appDir() + QStringLiteral("Config/UserSettings.ini"));
        QVERIFY2(saved.contains(QStringLiteral("SHWDDir=1")), qPrintable(saved));
        QVERIFY(saved.contains(QStringLiteral("SHUTDOWN=1")));
        QVERIFY(saved.contains(QStringLiteral("OutDir=/srv/clips out")));
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void closingWithoutConfigFolderStillEnds()
    {
        // The installation's Config folder is gone: the save fails with a message, and the
        // window still closes and ends the program.
        QVERIFY(QDir(appDir() + QStringLiteral("Config")).removeRecursively());
        ProgramParts parts(&m_dialogs, &m_opener);
        MainWindow form(parts);
        int ends = 0;
        form.SetEndProgram([&] { ++ends; });
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(form.IsReady(), 10000);
        m_dialogs.messages.clear();
        form.close();
        QCOMPARE(ends, 1);
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.icons.back(), IUserDialogs::Icon::Error);
        QVERIFY(!QFileInfo::exists(appDir() + QStringLiteral("Config")));
    }
};

QTEST_MAIN(TestMainForm)
#include "MainFormTest.moc"
