// Every window of the program walked as a screen reader and a keyboard user meet it: each
// control has a role and an accessible name, Tab reaches every button and leaves the
// source list, picture buttons show the focus, and Escape in a dialog acts as Cancel.
#include "conversion/ProgressDialog.h"
#include "platform/IUserDialogs.h"
#include "settings/OptionsDialog.h"
#include "platform/AppPaths.h"
#include "shell/StartUp.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"
#include "shell/PictureButton.h"
#include "sources/CodecErrorDialog.h"
#include "sources/AddingFilesWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

class NoDialogs final : public IUserDialogs
{
public:
    int MessageBox(const QString &, const QString &, Icon, Buttons) override { return Ok; }
    bool Confirm(const QString &, const QString &text) override
    {
        questions << text;
        return false;
    }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    bool SelectFolder(const QString &, QString &) override { return false; }
    QStringList questions;
};

// Roles of controls a user works with; each of them needs a name.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ProgressBar:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
        return true;
    default:
        return false;
    }
}

QString describe(QWidget *widget)
{
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()),
                                           widget->objectName());
}

// The widgets that Tab visits, starting from the window's first one, until it comes round.
QList<QWidget *> tabWalk(QWidget *window)
{
    QList<QWidget *> visited;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return visited;
    QWidget *start = window->nextInFocusChain();
    while (start != window && !(start->isVisible() && start->isEnabled() &&
                                (start->focusPolicy() & Qt::TabFocus)))
        start = start->nextInFocusChain();
    start->setFocus(Qt::TabFocusReason);
    QWidget *first = QApplication::focusWidget();
    for (int i = 0; i < 100 && QApplication::focusWidget(); ++i) {
        QWidget *now = QApplication::focusWidget();
        if (i > 0 && now == first)
            break;
        visited << now;
        QTest::keyClick(now, Qt::Key_Tab);
    }
    return visited;
}

// The control a focus widget belongs to (an editable list's own edit field stands for it).
QWidget *owningControl(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<QComboBox *>(w))
            return w;
    }
    return widget;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    NoDialogs m_dialogs;
    std::unique_ptr<ProgramParts> m_parts;
    std::unique_ptr<MainWindow> m_form;

    ProgressDialog *progressDialog() const
    {
        return dynamic_cast<ProgressDialog *>(m_parts->batch.Environment.View);
    }

    void checkNamesAndRoles(QWidget *window)
    {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(window) && widget != window)
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(face, qPrintable(describe(widget)));
            QVERIFY2(face->role() != QAccessible::NoRole, qPrintable(describe(widget)));
            const bool needsName =
                isControl(face->role()) || (widget->focusPolicy() & Qt::TabFocus) != 0;
            if (needsName)
                QVERIFY2(!face->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(describe(widget) + " has no accessible name"));
        }
    }

    void checkTabReachesEveryButton(QWidget *window)
    {
        const QList<QWidget *> visited = tabWalk(window);
        QVERIFY2(!visited.isEmpty(), qPrintable(describe(window)));
        QSet<QWidget *> reached;
        for (QWidget *w : visited)
            reached.insert(owningControl(w));
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(window) && button->isEnabled())
                QVERIFY2(reached.contains(button),
                         qPrintable(describe(button) + " is not reached by Tab"));
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Clipwright"));
        const QString built = qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + QLatin1Char('/');
        const QString app = m_dir.path() + QLatin1Char('/');
        QVERIFY(QDir(app).mkdir(QStringLiteral("Config")));
        for (const char *name : {"Res.rcc", "Help.html"})
            QVERIFY(QFile::copy(built + QLatin1String(name), app + QLatin1String(name)));
        AppPaths::SetCurrent(AppPaths::Portable(app));
        m_parts = std::make_unique<ProgramParts>(&m_dialogs);
        m_form = std::make_unique<MainWindow>(*m_parts);
        m_form->SetEndProgram([] {});
        m_form->show();
        QTRY_VERIFY_WITH_TIMEOUT(m_form->IsReady(), 20000);
        QVERIFY(progressDialog());
    }

    void cleanupTestCase()
    {
        m_form.reset();
    }

    void mainWindow()
    {
        checkNamesAndRoles(m_form.get());
        checkTabReachesEveryButton(m_form.get());
        // Tab leaves the source list for the next control; the arrows walk its cells.
        const QList<QWidget *> walk = tabWalk(m_form.get());
        const qsizetype list = walk.indexOf(m_form->sourceList);
        QVERIFY(list >= 0);
        QVERIFY(walk.value(list + 1) != m_form->sourceList);
        QCOMPARE(m_form->btnOpenFile->accessibleName(), QStringLiteral("Add Files"));
        QCOMPARE(m_form->btnOpenFile->accessibleDescription(), QStringLiteral("Ctrl + O"));
        QCOMPARE(m_form->cbbOutputFiletype->accessibleName(), QStringLiteral("Output FileType"));
    }

    // Screen readers meet the main window as a frame that cannot be resized, and the
    // progress dialog as a dialog.
    void windowsHaveTheirRoles()
    {
        QAccessibleInterface *main = QAccessible::queryAccessibleInterface(m_form.get());
        QVERIFY(main);
        QCOMPARE(main->role(), QAccessible::Window);
        QVERIFY(!main->state().sizeable);
        QAccessibleInterface *progress = QAccessible::queryAccessibleInterface(progressDialog());
        QVERIFY(progress);
        QCOMPARE(progress->role(), QAccessible::Dialog);
    }

    // A picture button with the focus looks different from one without.
    void pictureButtonsShowTheFocus()
    {
        PictureButton *button = m_form->btnConvert;
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_form->edtOutputFolder->setFocus(Qt::TabFocusReason);
        const QImage plain = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        QVERIFY(button->grab().toImage() != plain);
        // Space presses the button with the focus.
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
    }

    void optionsDialog()
    {
        m_form->onOptionsRequested();
        OptionsDialog *options = m_form->optionsDialog;
        QVERIFY(QTest::qWaitForWindowExposed(options));
        checkNamesAndRoles(options);
        checkTabReachesEveryButton(options);
        // Tab follows the layout: top to bottom, left to right.
        QStringList walked;
        for (QWidget *widget : tabWalk(options)) {
            const QString name = owningControl(widget)->objectName();
            if (walked.isEmpty() || walked.last() != name)
                walked << name;
        }
        const QStringList layout = {"cbbCustomProfile", "btnAdd", "btnSave", "btnDel",
                                    "cbbVideoSize", "cbbAudioBitrate", "cbbVideoBitrate",
                                    "cbbAudioSample", "cbbFramerate", "cbbAudioVolumeGain",
                                    "cbbAspectratio", "cbbAudioChannels", "cbbConversionsAtOnce", "btnApply",
                                    "btnCancel"};
        QStringList expected;
        for (const QString &name : layout)
            if (options->findChild<QWidget *>(name)->isEnabled())
                expected << name;
        const qsizetype start = walked.indexOf(expected.first());
        QVERIFY2(start >= 0, qPrintable(walked.join(' ')));
        QCOMPARE(walked.mid(start) + walked.mid(0, start), expected);
        options->onCancelRequested();
    }

    void progressDialogStopTakesTheFocusAndEscapeAsks()
    {
        ProgressDialog *dialog = progressDialog();
        dialog->ShowView();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        checkNamesAndRoles(dialog);
        checkTabReachesEveryButton(dialog);
        m_dialogs.questions.clear();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                        Qt::Key_Escape);
        QCOMPARE(m_dialogs.questions,
                 QStringList{QStringLiteral("Are you sure you want to stop the work ? ")});
        QVERIFY(dialog->isVisible()); // answered No
        dialog->HideView();
    }

    void busyAndCodecErrorWindows()
    {
        AddingFilesWindow busy(m_form.get());
        busy.show();
        QVERIFY(QTest::qWaitForWindowExposed(&busy));
        checkNamesAndRoles(&busy);
        busy.hide();

        CodecErrorDialog error(m_form.get());
        error.show();
        QVERIFY(QTest::qWaitForWindowExposed(&error));
        checkNamesAndRoles(&error);
        checkTabReachesEveryButton(&error);
        // Escape closes it as its OK button does.
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &error,
                        Qt::Key_Escape);
        QVERIFY(!error.isVisible());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
