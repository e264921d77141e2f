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
#include "shell/SplashWindow.h"
#include "shell/PictureButton.h"
#include "shell/ProductInfo.h"
#include "conversion/EventPump.h"

#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

MainWindow *FrmMainForm = nullptr;

namespace {

QFont arial(int pixelSize, bool bold = false)
{
    // Liberation Sans has Arial's metrics, so the layout's sizes hold.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel *whiteLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   int pixelSize = 11)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(arial(pixelSize));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->adjustSize();
    label->move(x, y);
    return label;
}

PictureButton *pictureButton(QWidget *parent, const char *name, const QRect &geometry,
                              const QString &hint = QString(), bool hintShown = true)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setSkin(QStringLiteral("main/") + QLatin1String(name));
    button->setGeometry(geometry);
    if (!hint.isEmpty())
        button->setHint(hint, hintShown);
    return button;
}

// The light edit fields and lists on the dark frame.
// The labels before the three fields end short of them, as the layout has them: their text
// at the window's 11 px would run into the fields.
constexpr int kFieldLabelSize = 10;

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
    FrmMainForm = this;
    setObjectName(QStringLiteral("FrmMainForm"));
    setWindowTitle(QStringLiteral("Application name "));
    setAttribute(Qt::WA_TranslucentBackground, false);
    setStyleSheet(QLatin1String(kFormStyle));
    m_endProgram = [] { QCoreApplication::exit(0); };
    createControls();
    setFixedSize(kDesignWidth, kDesignHeight);

    // The working-set trim runs from creation to exit; it uses no start-up state, so a tick
    // before start-up has finished is harmless.
    tmrClearMemory = new QTimer(this);
    tmrClearMemory->setObjectName(QStringLiteral("tmrClearMemory"));
    tmrClearMemory->setInterval(1000);
    connect(tmrClearMemory, &QTimer::timeout, this, &MainWindow::tmrClearMemoryTimer);
    tmrClearMemory->start();

    // Every key press of this window passes FormKeyDown before the focused control.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    delete m_skin;
    if (FrmMainForm == this)
        FrmMainForm = nullptr;
}

void MainWindow::createControls()
{
    m_skin = new QImage(QStringLiteral(":/skin/main/background.png"));
    rzfrmshpfrmConverter = new QLabel(this);
    rzfrmshpfrmConverter->setObjectName(QStringLiteral("rzfrmshpfrmConverter"));
    rzfrmshpfrmConverter->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    rzfrmshpfrmConverter->setPixmap(SkinPixmap(QStringLiteral(":/skin/main/background.png")));

    lblTitle = new QLabel(QStringLiteral("Application name "), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(arial(19, true));
    lblTitle->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lblTitle->setGeometry(63, 32, 537, 27);
    // Pressing the background where no control covers it, or the title, and dragging moves
    // the window until the button is released.
    auto *drag = new WindowDrag(this);
    drag->AddHandle(rzfrmshpfrmConverter);
    drag->AddHandle(lblTitle);

    btnWindowMinimize = pictureButton(this, "btnWindowMinimize", {606, 28, 25, 25});
    connect(btnWindowMinimize, &QAbstractButton::clicked, this, &MainWindow::actMinimizeExecute);
    btnWindowClose = pictureButton(this, "btnWindowClose", {640, 28, 25, 25});
    connect(btnWindowClose, &QAbstractButton::clicked, this, &MainWindow::actCloseWindowExecute);

    btnHomePage = pictureButton(this, "btnHomePage", {406, 73, 48, 48});
    connect(btnHomePage, &QAbstractButton::clicked, this, &MainWindow::ActSysHomePageExecute);
    btnEMail = pictureButton(this, "btnEMail", {459, 73, 48, 48});
    connect(btnEMail, &QAbstractButton::clicked, this, &MainWindow::ActSysEmailExecute);
    btnHelp = pictureButton(this, "btnHelp", {565, 73, 48, 48}, QStringLiteral("Help (F1)"), false);
    connect(btnHelp, &QAbstractButton::clicked, this, &MainWindow::ActSysHelpExecute);
    btnAbout = pictureButton(this, "btnAbout", {618, 73, 48, 48});
    connect(btnAbout, &QAbstractButton::clicked, this, &MainWindow::ActSysAboutExecute);
    for (PictureButton *web : {btnHomePage, btnEMail, btnHelp, btnAbout})
        web->setCursor(Qt::PointingHandCursor);

    DSVideoWindowEx1 = CreateVideoWindow();
    DSVideoWindowEx1->setParent(this);
    DSVideoWindowEx1->setObjectName(QStringLiteral("DSVideoWindowEx1"));
    DSVideoWindowEx1->setGeometry(26, 76, 253, 152);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(SkinPixmap(QStringLiteral(":/skin/main/Image1.png")));
    Image1->setGeometry(290, 125, 379, 5);

    lblOutputFileTypeName =
        whiteLabel(this, "lblOutputFileTypeName", QStringLiteral("Output FileType:"), 288, 136, kFieldLabelSize);
    cbbOutputFiletype = new QComboBox(this);
    cbbOutputFiletype->setObjectName(QStringLiteral("cbbOutputFiletype"));
    cbbOutputFiletype->setGeometry(368, 133, 297, 21);

    lblProfileSettings =
        whiteLabel(this, "lblProfileSettings", QStringLiteral("Profile Settings:"), 291, 164, kFieldLabelSize);
    cbbProfile = new QComboBox(this);
    cbbProfile->setObjectName(QStringLiteral("cbbProfile"));
    cbbProfile->setGeometry(368, 160, 217, 21);
    btnOptions = pictureButton(this, "btnOptions", {595, 160, 70, 20}, QStringLiteral("Ctrl + I"));
    connect(btnOptions, &QAbstractButton::clicked, this, &MainWindow::btnOptionsClick);

    lblOutputFolderInfo =
        whiteLabel(this, "lblOutputFolderInfo", QStringLiteral("Output Folder:"), 298, 191, kFieldLabelSize);
    edtOutputFolder = new QLineEdit(QDir::homePath() + QStringLiteral("/Clipwright"), this);
    edtOutputFolder->setObjectName(QStringLiteral("edtOutputFolder"));
    edtOutputFolder->setReadOnly(true);
    edtOutputFolder->setGeometry(368, 188, 217, 21);
    RzBmpButton1 = pictureButton(this, "RzBmpButton1", {595, 188, 70, 20}, QStringLiteral("Ctrl + B"));
    connect(RzBmpButton1, &QAbstractButton::clicked, this, &MainWindow::btnSelectOutputFolderClick);
    btnSelectOutputFolder = new PictureButton(this);
    btnSelectOutputFolder->setObjectName(QStringLiteral("btnSelectOutputFolder"));
    btnSelectOutputFolder->setHint(QStringLiteral("Ctrl + B"));
    btnSelectOutputFolder->hide();
    connect(btnSelectOutputFolder, &QAbstractButton::clicked, this,
            &MainWindow::btnSelectOutputFolderClick);

    // The check boxes' own captions are cut off by their width; the labels beside them
    // carry the texts.
    chkShutdown = new QCheckBox(QStringLiteral("Shutdown computer when job is finished."), this);
    chkShutdown->setObjectName(QStringLiteral("chkShutdown"));
    chkShutdown->setGeometry(294, 226, 16, 17);
    chkShutdown->setChecked(false);
    Label1 = whiteLabel(this, "Label1", QStringLiteral("Shutdown computer when job is finished."),
                        313, 227);
    chkShowOutputDirectory = new QCheckBox(QStringLiteral("Show output directory when done"), this);
    chkShowOutputDirectory->setObjectName(QStringLiteral("chkShowOutputDirectory"));
    chkShowOutputDirectory->setGeometry(294, 246, 15, 17);
    chkShowOutputDirectory->setChecked(true);
    Label2 = whiteLabel(this, "Label2", QStringLiteral("Show output directory when done"), 313, 247);
    // A click on a label ticks its box, as a caption would.
    Label1->installEventFilter(this);
    Label2->installEventFilter(this);

    Panel1 = CreateTrimStrip();
    Panel1->setParent(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(22, 234, 260, 19);

    btnPlay = pictureButton(this, "btnPlay", {36, 261, 25, 25}, QStringLiteral("Ctrl + P"));
    connect(btnPlay, &QAbstractButton::clicked, this, &MainWindow::btnPlayClick);
    btnPause = pictureButton(this, "btnPause", {68, 261, 25, 25}, QStringLiteral("Ctrl + U"));
    connect(btnPause, &QAbstractButton::clicked, this, &MainWindow::btnPauseClick);
    btnStop = pictureButton(this, "btnStop", {99, 261, 25, 25}, QStringLiteral("Ctrl + T"));
    connect(btnStop, &QAbstractButton::clicked, this, &MainWindow::btnStopClick);
    imgPlay = new QLabel(this);
    imgPlay->setObjectName(QStringLiteral("imgPlay"));
    imgPlay->setPixmap(SkinPixmap(QStringLiteral(":/skin/main/imgPlay.png")));
    imgPlay->setGeometry(146, 253, 136, 38);
    pnlCurTime = new QLabel(QStringLiteral("00:00:00"), this);
    pnlCurTime->setObjectName(QStringLiteral("pnlCurTime"));
    pnlCurTime->setGeometry(171, 264, 81, 17);
    pnlCurTime->setAlignment(Qt::AlignCenter);
    pnlCurTime->setFont(arial(13, true));
    pnlCurTime->setStyleSheet(QStringLiteral("color: #7fd0ff; background: transparent;"));

    Label3 = new QLabel(QStringLiteral("Click here to download the coder"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont underlined = arial(11);
    underlined.setUnderline(true);
    Label3->setFont(underlined);
    // A link reached with Tab as well: it shows a frame while it has the focus, and Return
    // or Space follows it.
    Label3->setStyleSheet(QStringLiteral(
        "QLabel { color: white; background: transparent; border: 1px solid transparent; }"
        "QLabel:focus { border: 1px dotted white; }"));
    Label3->setFocusPolicy(Qt::StrongFocus);
    Label3->setAccessibleName(QStringLiteral("Click here to download the coder"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->adjustSize();
    Label3->move(296, 272);
    Label3->installEventFilter(this);

    dxTreeSourceFileInfo = CreateSourceList();
    dxTreeSourceFileInfo->setParent(this);
    dxTreeSourceFileInfo->setObjectName(QStringLiteral("dxTreeSourceFileInfo"));
    dxTreeSourceFileInfo->setGeometry(22, 292, 525, 138);
    lblOutputTotal = whiteLabel(this, "lblOutputTotal", QString(), 300, 436);
    lblOutputTotal->setGeometry(300, 436, 247, 14);
    lblOutputTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOutputTotal->setAccessibleName(QStringLiteral("Estimated output size"));

    btnOpenFile = pictureButton(this, "btnOpenFile", {555, 289, 110, 30}, QStringLiteral("Ctrl + O"));
    connect(btnOpenFile, &QAbstractButton::clicked, this, &MainWindow::btnOpenFileClick);
    btnRemoveFile =
        pictureButton(this, "btnRemoveFile", {555, 323, 110, 30}, QStringLiteral("Ctrl + R"));
    connect(btnRemoveFile, &QAbstractButton::clicked, this, &MainWindow::btnRemoveFileClick);
    btnClearFile = pictureButton(this, "btnClearFile", {555, 357, 110, 30}, QStringLiteral("Ctrl + L"));
    connect(btnClearFile, &QAbstractButton::clicked, this, &MainWindow::btnClearFileClick);
    btnConvert = pictureButton(this, "btnConvert", {555, 391, 110, 40}, QStringLiteral("Ctrl + S"));
    connect(btnConvert, &QAbstractButton::clicked, this, &MainWindow::btnConvertClick);

    // The title stays above the background so its mouse presses reach it.
    lblTitle->raise();
    nameControls();
}

void MainWindow::nameControls()
{
    // What a screen reader says for each control: the caption drawn on a picture button
    // (its shortcut as the description), or the label that stands beside a field.
    struct Name
    {
        QWidget *control;
        const char *name;
    };
    const Name names[] = {
        {btnWindowMinimize, "Minimize"},
        {btnWindowClose, "Close"},
        {btnHomePage, "Home Page"},
        {btnEMail, "E-mail Support"},
        {btnHelp, "Help"},
        {btnAbout, "About"},
        {DSVideoWindowEx1, "Preview"},
        {cbbOutputFiletype, "Output FileType"},
        {cbbProfile, "Profile Settings"},
        {btnOptions, "Options"},
        {edtOutputFolder, "Output Folder"},
        {RzBmpButton1, "Browse for the output folder"},
        {btnSelectOutputFolder, "Choose the output folder"},
        {chkShutdown, "Shutdown computer when job is finished."},
        {chkShowOutputDirectory, "Show output directory when done"},
        {Panel1, "Trim range"},
        {btnPlay, "Play"},
        {btnPause, "Pause"},
        {btnStop, "Stop"},
        {pnlCurTime, "Preview position"},
        {dxTreeSourceFileInfo, "Source files"},
        {btnOpenFile, "Add Files"},
        {btnRemoveFile, "Remove"},
        {btnClearFile, "Clear"},
        {btnConvert, "Convert"},
    };
    for (const Name &n : names)
        n.control->setAccessibleName(QString::fromUtf8(n.name));
    for (auto *button : findChildren<PictureButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!button->hint().isEmpty())
            button->setAccessibleDescription(button->hint());
    }
    lblOutputFileTypeName->setBuddy(cbbOutputFiletype);
    lblProfileSettings->setBuddy(cbbProfile);
    lblOutputFolderInfo->setBuddy(edtOutputFolder);
}

// ---- start-up -------------------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_outlineApplied)
        applyWindowOutline();
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
    QTimer::singleShot(0, this, &MainWindow::FormShow);
}

void MainWindow::FormShow()
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
    m_ready = true;
    Q_EMIT ready();
}

void MainWindow::bindOutputSettings()
{
    ProgramParts *proc = &m_parts;
    if (m_outputSettingsBound)
        return;
    m_outputSettingsBound = true;
    OptionLists &boxes = proc->optionLists;
    // A choice of the user in either list applies the profile; a selection made by the
    // program (filling, settings) applies nothing.
    auto *types = new OptionComboBinding(cbbOutputFiletype, &boxes.outputType(), this);
    connect(types, &OptionComboBinding::changed, this, &MainWindow::cbbOutputFiletypeChange);
    auto *profiles = new OptionComboBinding(cbbProfile, &boxes.profile(), this);
    connect(profiles, &OptionComboBinding::changed, this, &MainWindow::cbbProfileChange);
    btnOptions->setEnabled(boxes.optionsEnabled());
    connect(&boxes, &OptionLists::optionsEnabledChanged, btnOptions, &QWidget::setEnabled);

    TextFieldModel &folder = proc->settings.outputFolder();
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
    bindCheckBox(chkShowOutputDirectory, proc->settings.showOutputFolder());
    bindCheckBox(chkShutdown, proc->settings.powerOffWhenDone());
}

void MainWindow::FillOptionBoxesAndSettings()
{
    ProgramParts *proc = &m_parts;
    RunGuarded([proc] {
        proc->outputOptions.FillAll();
        proc->settings.Load();
    });
    if (m_savesOnChange)
        return;
    // What the user sets is saved at once, not only at close, so a crash or a killed
    // session loses nothing that was set.
    m_savesOnChange = true;
    const auto save = [this] { SaveSettingsOnChange(); };
    connect(&proc->settings.showOutputFolder(), &CheckBoxModel::checkedChanged, this, save);
    connect(&proc->settings.powerOffWhenDone(), &CheckBoxModel::checkedChanged, this, save);
    connect(&proc->settings.outputFolder(), &TextFieldModel::textChanged, this, save);
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

void MainWindow::cbbOutputFiletypeChange()
{
    ApplySelectedProfile();
}

void MainWindow::cbbProfileChange()
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

void MainWindow::applyWindowOutline()
{
    // The window is the set of the background's pixels whose colour differs from the
    // picture's transparent colour, the colour of its bottom-left pixel.
    if (m_skin == nullptr || m_skin->isNull())
        return;
    const QRgb key = m_skin->pixel(0, m_skin->height() - 1);
    const QImage mask = m_skin->createMaskFromColor(key, Qt::MaskInColor);
    setMask(QBitmap::fromImage(mask));
    m_outlineApplied = true;
}

void MainWindow::actMinimizeExecute()
{
    showNormal();
    showMinimized();
}

void MainWindow::actCloseWindowExecute()
{
    close();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void MainWindow::FormResize()
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
    if (watched == Label3 && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Label3Click();
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
                this, [this, code, modifiers] { FormKeyDown(code, modifiers); },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (watched == Label3 && type == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            Label3Click();
            return true;
        }
    } else if ((watched == Label1 || watched == Label2) && type == QEvent::MouseButtonRelease) {
        QCheckBox *box = watched == Label1 ? chkShutdown : chkShowOutputDirectory;
        if (box->isEnabled())
            box->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

PictureButton *MainWindow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    if (key == Qt::Key_F1) {
        ActSysHelpExecute();
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
        button = btnSelectOutputFolder;
        break;
    default:
        return nullptr;
    }
    // Exactly like a click: the hidden output-folder button answers too.
    if (button->isEnabled())
        Q_EMIT button->clicked(false);
    return button;
}

// ---- About, help and web commands ------------------------------------------------------------

void MainWindow::ActSysAboutExecute()
{
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(QStringLiteral("About ") + m_parts.product.ProductName);
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
        text += QStringLiteral("<p>Home page: %1</p>").arg(info.HomePage.toHtmlEscaped());
    if (!info.SupportMail.isEmpty())
        text += QStringLiteral("<p>Support: %1</p>").arg(info.SupportMail.toHtmlEscaped());
    return text;
}

void MainWindow::ActSysHomePageExecute()
{
    m_parts.links.OpenHomePage();
}

void MainWindow::ActSysEmailExecute()
{
    m_parts.links.SendSupportMail();
}

void MainWindow::ActSysHelpExecute()
{
    m_parts.links.OpenHelp();
}

void MainWindow::Label3Click()
{
    m_parts.links.OpenCodecDownload();
}

void MainWindow::tmrClearMemoryTimer()
{
    TrimWorkingSetNow();
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
    FormClose();
    event->accept();
}

void MainWindow::TrimWorkingSetNow()
{
    MallocMemoryTrimmer().Trim();
    EventPump::ProcessPending();
}

void MainWindow::SaveSettingsAtClose()
{
    // A settings file that cannot be written is reported; the program still ends, since a
    // window that cannot be closed would lose more than the settings.
    RunGuarded([this] { m_parts.settings.Save(); });
}

void MainWindow::FormClose()
{
    tmrClearMemory->stop();
    StopPreview();
    SaveSettingsAtClose();
    // A normal close leaves no list to offer back; a power-off at the end of a batch does.
    if (Session)
        Session->Clear();
    // The program ends at once; the other windows are not closed first.
    if (m_endProgram)
        m_endProgram();
}
