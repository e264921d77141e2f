#include "shell/MainWindow.h"
#include "shell/SessionKeeper.h"

#include "platform/IDesktopOpener.h"
#include "platform/MallocMemoryTrimmer.h"
#include "platform/WindowDrag.h"
#include "profiles/OptionLists.h"
#include "settings/CheckBoxModel.h"
#include "settings/OptionComboBinding.h"
#include "shell/ClipwrightApplication.h"
#include "shell/ProgramParts.h"
#include "shell/StartUp.h"
#include "shell/SkinPicture.h"
#include "shell/WindowAccessibility.h"
#include "shell/SplashWindow.h"
#include "platform/WindowFocus.h"
#include "shell/PictureButton.h"
#include "shell/ProductInfo.h"
#include "conversion/EventPump.h"
#include "conversion/SizeLimit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>


namespace {

const char *kFormStyle = R"(
QComboBox, QLineEdit {
    background: #f4f7fb; color: #1a273b; border: 1px solid #6f86a8; border-radius: 3px;
    padding: 0px 4px; selection-background-color: #4a90e2; selection-color: white;
}
QComboBox:disabled, QLineEdit:disabled { background: #c9d2de; color: #66758a; }
QComboBox:focus, QLineEdit:focus { border: 2px solid #4a90e2; padding: 0px 3px; }
QComboBox::drop-down { border: none; width: 16px; }
QComboBox::down-arrow { image: url(:/skin/main/arrow.png); width: 9px; height: 6px; }
QComboBox QAbstractItemView {
    background: white; color: #1a273b; selection-background-color: #4a90e2;
    selection-color: white; border: 1px solid #6f86a8;
}
QCheckBox { background: transparent; }
QCheckBox::indicator { width: 13px; height: 13px; border: 1px solid #8ea3c2;
    border-radius: 2px; background: #f4f7fb; }
QCheckBox::indicator:checked { background: #4a90e2; border-color: #4a90e2;
    image: url(:/skin/main/check.png); }
QCheckBox::indicator:focus { border: 2px solid #7fd0ff; }
QToolTip { background: #f4f7fb; color: #1a273b; border: 1px solid #6f86a8; }
)";

} // namespace

MainWindow::MainWindow(ProgramParts &parts, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_parts(parts)
{
    setObjectName(QStringLiteral("MainWindow"));
    WindowAccessibility::Install();
    setWindowTitle(QStringLiteral("Application name "));
    setAttribute(Qt::WA_TranslucentBackground, false);
    setStyleSheet(QLatin1String(kFormStyle));
    m_endProgram = [] { QCoreApplication::exit(0); };
    createControls();
    setFixedSize(kDesignWidth, kDesignHeight);

    // The working-set trim runs from creation to exit; it uses no start-up state, so a tick
    // before start-up has finished is harmless.
    memoryTrimTimer = new QTimer(this);
    memoryTrimTimer->setObjectName(QStringLiteral("memoryTrimTimer"));
    memoryTrimTimer->setInterval(1000);
    connect(memoryTrimTimer, &QTimer::timeout, this, &MainWindow::trimMemory);
    memoryTrimTimer->start();

    // Every key press of this window passes handleShortcutKey before the focused control.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

// ---- start-up -------------------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // Centred on the desktop at the first showing.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // The start-up work runs from the message loop, so that a request to end the program
    // made during it (missing resource module) ends the loop that runs the program.
    QTimer::singleShot(0, this, &MainWindow::onFirstShown);
}

void MainWindow::onFirstShown()
{
    const QString modulePath = ResourceModulePath();
    auto startUp = [this] { StartUp(*this); };
    ShowSplash(modulePath, startUp);
    bindOutputSettings();
    FillOptionBoxesAndSettings();
    // File drops from the desktop's file manager are accepted from now on.
    setAcceptDrops(true);
    ApplySelectedProfile();
    BindSources();
    BindPreview();
    BindConversion();
    BindSession();
    // The splash has gone: the keyboard comes to this window, window manager or not, at the
    // button a new user starts with.
    btnOpenFile->setFocus(Qt::OtherFocusReason);
    WindowFocus::TakeWhenShown(this);
    m_ready = true;
    Q_EMIT ready();
}

void MainWindow::bindOutputSettings()
{
    ProgramParts *parts = &m_parts;
    if (m_outputSettingsBound)
        return;
    m_outputSettingsBound = true;
    OptionLists &boxes = parts->optionLists;
    // A choice of the user in either list applies the profile; a selection made by the
    // program (filling, settings) applies nothing.
    auto *types = new OptionComboBinding(cbbOutputFiletype, &boxes.outputType(), this);
    connect(types, &OptionComboBinding::changed, this, &MainWindow::onOutputTypeChosen);
    auto *profiles = new OptionComboBinding(cbbProfile, &boxes.profile(), this);
    connect(profiles, &OptionComboBinding::changed, this, &MainWindow::onProfileChosen);
    btnOptions->setEnabled(boxes.optionsEnabled());
    connect(&boxes, &OptionLists::optionsEnabledChanged, btnOptions, &QWidget::setEnabled);

    TextFieldModel &folder = parts->settings.outputFolder();
    edtOutputFolder->setText(folder.text());
    connect(&folder, &TextFieldModel::textChanged, edtOutputFolder, &QLineEdit::setText);

    auto bindCheckBox = [this](QCheckBox *box, CheckBoxModel &model) {
        box->setChecked(model.isChecked());
        connect(&model, &CheckBoxModel::checkedChanged, box, [box](bool checked) {
            const QSignalBlocker quiet(box);
            box->setChecked(checked);
        });
        connect(box, &QCheckBox::toggled, &model, &CheckBoxModel::setChecked);
    };
    bindCheckBox(chkShowOutputDirectory, parts->settings.showOutputFolder());
    bindCheckBox(chkShutdown, parts->settings.powerOffWhenDone());

    TextFieldModel &limit = parts->settings.sizeLimit();
    sizeLimitBox->addItems(SizeLimit::Choices());
    sizeLimitBox->setCurrentText(limit.text());
    connect(&limit, &TextFieldModel::textChanged, sizeLimitBox, [this](const QString &text) {
        const QSignalBlocker quiet(sizeLimitBox);
        sizeLimitBox->setCurrentText(text);
    });
    connect(sizeLimitBox, &QComboBox::activated, this, &MainWindow::onSizeLimitEntered);
    connect(sizeLimitBox->lineEdit(), &QLineEdit::editingFinished, this,
            &MainWindow::onSizeLimitEntered);
}

void MainWindow::FillOptionBoxesAndSettings()
{
    ProgramParts *parts = &m_parts;
    RunGuarded([parts] {
        parts->outputOptions.FillAll();
        parts->settings.Load();
    });
    if (m_savesOnChange)
        return;
    // What the user sets is saved at once, not only at close, so a crash or a killed
    // session loses nothing that was set.
    m_savesOnChange = true;
    const auto save = [this] { SaveSettingsOnChange(); };
    connect(&parts->settings.showOutputFolder(), &CheckBoxModel::checkedChanged, this, save);
    connect(&parts->settings.powerOffWhenDone(), &CheckBoxModel::checkedChanged, this, save);
    connect(&parts->settings.outputFolder(), &TextFieldModel::textChanged, this, save);
    connect(&parts->settings.sizeLimit(), &TextFieldModel::textChanged, this, save);
}

void MainWindow::SaveSettingsOnChange()
{
    if (m_closing)
        return;
    try {
        m_parts.settings.Save();
        m_settingsSaveFailed = false;
    } catch (const std::exception &error) {
        // Told once until a save works again, not at every click; closing tells again.
        if (!m_settingsSaveFailed)
            ShowGeneralError(m_parts.messages.Dialogs(), QString::fromUtf8(error.what()));
        m_settingsSaveFailed = true;
    }
}

void MainWindow::ApplySelectedProfile()
{
    RunGuarded([this] { m_parts.outputOptions.ApplyProfile(); });
}

void MainWindow::onOutputTypeChosen()
{
    ApplySelectedProfile();
}

void MainWindow::onProfileChosen()
{
    ApplySelectedProfile();
}

void MainWindow::RunGuarded(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &error) {
        ShowGeneralError(m_parts.messages.Dialogs(), QString::fromUtf8(error.what()));
    }
}

// ---- window frame -------------------------------------------------------------------------

void MainWindow::minimizeWindow()
{
    showNormal();
    showMinimized();
}

void MainWindow::closeWindow()
{
    close();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    onResized();
}

void MainWindow::onResized()
{
    // The window has the skin's size and no other: the layout's smallest size (686 x 519)
    // is larger than the skin, so it is held at the skin's size. A smaller minimum would
    // make the window resizable by a few pixels, and window managers would then offer to
    // maximize it, moving it to a corner.
    const QSize limit(kDesignWidth, kDesignHeight);
    if (minimumSize() != limit)
        setMinimumSize(limit);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == coderLink && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            openCoderDownload();
            return true;
        }
    }
    if (type == QEvent::KeyPress && watched->isWidgetType()) {
        // A key reaches the focused control first, then its parents while they pass it on:
        // the shortcut belongs to that first delivery only. Its command runs once the key
        // has been delivered, so that a command which moves the focus (a batch, a dialog)
        // cannot make a later copy of the same key look like a first delivery.
        auto *widget = static_cast<QWidget *>(watched);
        QWidget *focus = QApplication::focusWidget();
        const bool firstDelivery =
            (focus != nullptr && focus->window() == this) ? widget == focus : widget == this;
        auto *key = static_cast<QKeyEvent *>(event);
        if (firstDelivery && widget->window() == this && !key->isAutoRepeat()) {
            const int code = key->key();
            const Qt::KeyboardModifiers modifiers = key->modifiers();
            QMetaObject::invokeMethod(
                this, [this, code, modifiers] { handleShortcutKey(code, modifiers); },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (watched == coderLink && type == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            openCoderDownload();
            return true;
        }
    } else if ((watched == powerOffCaption || watched == showFolderCaption) && type == QEvent::MouseButtonRelease) {
        QCheckBox *box = watched == powerOffCaption ? chkShutdown : chkShowOutputDirectory;
        if (box->isEnabled())
            box->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

PictureButton *MainWindow::handleShortcutKey(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    if (key == Qt::Key_F1) {
        openHelp();
        return nullptr;
    }
    // "Ctrl" means Ctrl alone: with Shift or Alt also held the letters do nothing.
    if (modifiers != Qt::ControlModifier)
        return nullptr;
    PictureButton *button = nullptr;
    switch (key) {
    case Qt::Key_O:
        button = btnOpenFile;
        break;
    case Qt::Key_R:
        button = btnRemoveFile;
        break;
    case Qt::Key_L:
        button = btnClearFile;
        break;
    case Qt::Key_I:
        button = btnOptions;
        break;
    case Qt::Key_P:
        button = btnPlay;
        break;
    case Qt::Key_U:
        button = btnPause;
        break;
    case Qt::Key_T:
        button = btnStop;
        break;
    case Qt::Key_S:
    case Qt::Key_N:
        button = btnConvert;
        break;
    case Qt::Key_B:
        button = chooseFolderButton;
        break;
    default:
        return nullptr;
    }
    // Exactly like a click.
    if (button->isEnabled())
        Q_EMIT button->clicked(false);
    return button;
}

// ---- About, help and web commands ------------------------------------------------------------

void MainWindow::showAbout()
{
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(tr("About ") + m_parts.product.ProductName);
    box.setIconPixmap(SkinPixmap(QStringLiteral(":/skin/main/logo.png")));
    box.setTextFormat(Qt::RichText);
    box.setText(AboutText());
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QString MainWindow::AboutText() const
{
    const ProductInfo &info = m_parts.product;
    QString text = QStringLiteral("<p><b style=\"font-size: 15px\">%1 %2</b></p>"
                                  "<p>Converts video and audio files for phones and portable "
                                  "players: 3GP, 3G2, MP4, AMR, AAC and MP3.</p>")
                       .arg(info.ProductName.toHtmlEscaped(), info.Version.toHtmlEscaped());
    if (!info.HomePage.isEmpty())
        text += tr("<p>Home page: %1</p>").arg(info.HomePage.toHtmlEscaped());
    if (!info.SupportMail.isEmpty())
        text += tr("<p>Support: %1</p>").arg(info.SupportMail.toHtmlEscaped());
    return text;
}

void MainWindow::openHomePage()
{
    m_parts.links.OpenHomePage();
}

void MainWindow::writeToSupport()
{
    m_parts.links.SendSupportMail();
}

void MainWindow::openHelp()
{
    m_parts.links.OpenHelp();
}

void MainWindow::openCoderDownload()
{
    m_parts.links.OpenCodecDownload();
}

void MainWindow::trimMemory()
{
    MallocMemoryTrimmer().Trim();
    EventPump::ProcessPending();
}

// ---- closing --------------------------------------------------------------------------------

void MainWindow::SetFormEnabled(bool enabled)
{
    m_formEnabled = enabled;
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            child->setEnabled(enabled);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A disabled window (a batch is running) does not close, as a disabled window cannot.
    if (!m_formEnabled && !m_closing) {
        event->ignore();
        return;
    }
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    onClosing();
    event->accept();
}

void MainWindow::SaveSettingsAtClose()
{
    // A settings file that cannot be written is reported; the program still ends, since a
    // window that cannot be closed would lose more than the settings.
    RunGuarded([this] { m_parts.settings.Save(); });
}

void MainWindow::onClosing()
{
    memoryTrimTimer->stop();
    StopPreview();
    SaveSettingsAtClose();
    // A normal close leaves no list to offer back; a power-off at the end of a batch does.
    if (Session)
        Session->Clear();
    // The program ends at once; the other windows are not closed first.
    if (m_endProgram)
        m_endProgram();
}
