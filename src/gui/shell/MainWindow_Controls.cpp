// The main window's controls: where each sits on the skin, its caption, tooltip and name.
#include "shell/MainWindow.h"

#include "platform/WindowDrag.h"
#include "shell/PictureButton.h"
#include "shell/SkinPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

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

} // namespace

void MainWindow::createControls()
{
    m_skin = new QImage(QStringLiteral(":/skin/main/background.png"));
    background = new QLabel(this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    background->setPixmap(SkinPixmap(QStringLiteral(":/skin/main/background.png")));

    lblTitle = new QLabel(QStringLiteral("Application name "), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(arial(19, true));
    lblTitle->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lblTitle->setGeometry(63, 32, 537, 27);
    // Pressing the background where no control covers it, or the title, and dragging moves
    // the window until the button is released.
    auto *drag = new WindowDrag(this);
    drag->AddHandle(background);
    drag->AddHandle(lblTitle);

    btnWindowMinimize = pictureButton(this, "btnWindowMinimize", {606, 28, 25, 25});
    connect(btnWindowMinimize, &QAbstractButton::clicked, this, &MainWindow::minimizeWindow);
    btnWindowClose = pictureButton(this, "btnWindowClose", {640, 28, 25, 25});
    connect(btnWindowClose, &QAbstractButton::clicked, this, &MainWindow::closeWindow);

    btnHomePage = pictureButton(this, "btnHomePage", {406, 73, 48, 48});
    connect(btnHomePage, &QAbstractButton::clicked, this, &MainWindow::openHomePage);
    btnEMail = pictureButton(this, "btnEMail", {459, 73, 48, 48});
    connect(btnEMail, &QAbstractButton::clicked, this, &MainWindow::writeToSupport);
    btnHelp = pictureButton(this, "btnHelp", {565, 73, 48, 48}, tr("Help (F1)"), false);
    connect(btnHelp, &QAbstractButton::clicked, this, &MainWindow::openHelp);
    btnAbout = pictureButton(this, "btnAbout", {618, 73, 48, 48});
    connect(btnAbout, &QAbstractButton::clicked, this, &MainWindow::showAbout);
    for (PictureButton *web : {btnHomePage, btnEMail, btnHelp, btnAbout})
        web->setCursor(Qt::PointingHandCursor);

    videoWindow = CreateVideoWindow();
    videoWindow->setParent(this);
    videoWindow->setObjectName(QStringLiteral("videoWindow"));
    videoWindow->setGeometry(26, 76, 253, 152);

    separatorLine = new QLabel(this);
    separatorLine->setObjectName(QStringLiteral("separatorLine"));
    separatorLine->setPixmap(SkinPixmap(QStringLiteral(":/skin/main/separatorLine.png")));
    separatorLine->setGeometry(290, 125, 379, 5);

    lblOutputFileTypeName =
        whiteLabel(this, "lblOutputFileTypeName", tr("Output FileType:"), 288, 136, kFieldLabelSize);
    cbbOutputFiletype = new QComboBox(this);
    cbbOutputFiletype->setObjectName(QStringLiteral("cbbOutputFiletype"));
    cbbOutputFiletype->setGeometry(368, 133, 297, 21);

    lblProfileSettings =
        whiteLabel(this, "lblProfileSettings", tr("Profile Settings:"), 291, 164, kFieldLabelSize);
    cbbProfile = new QComboBox(this);
    cbbProfile->setObjectName(QStringLiteral("cbbProfile"));
    cbbProfile->setGeometry(368, 160, 217, 21);
    btnOptions = pictureButton(this, "btnOptions", {595, 160, 70, 20}, QStringLiteral("Ctrl + I"));
    connect(btnOptions, &QAbstractButton::clicked, this, &MainWindow::onOptionsRequested);

    lblOutputFolderInfo =
        whiteLabel(this, "lblOutputFolderInfo", tr("Output Folder:"), 298, 191, kFieldLabelSize);
    edtOutputFolder = new QLineEdit(QDir::homePath() + QStringLiteral("/Clipwright"), this);
    edtOutputFolder->setObjectName(QStringLiteral("edtOutputFolder"));
    edtOutputFolder->setReadOnly(true);
    edtOutputFolder->setGeometry(368, 188, 217, 21);
    chooseFolderButton = pictureButton(this, "chooseFolderButton", {595, 188, 70, 20}, QStringLiteral("Ctrl + B"));
    connect(chooseFolderButton, &QAbstractButton::clicked, this, &MainWindow::onChooseOutputFolderRequested);
    btnSelectOutputFolder = new PictureButton(this);
    btnSelectOutputFolder->setObjectName(QStringLiteral("btnSelectOutputFolder"));
    btnSelectOutputFolder->setHint(QStringLiteral("Ctrl + B"));
    btnSelectOutputFolder->hide();
    connect(btnSelectOutputFolder, &QAbstractButton::clicked, this,
            &MainWindow::onChooseOutputFolderRequested);

    // The check boxes' own captions are cut off by their width; the labels beside them
    // carry the texts.
    chkShutdown = new QCheckBox(tr("Shutdown computer when job is finished."), this);
    chkShutdown->setObjectName(QStringLiteral("chkShutdown"));
    chkShutdown->setGeometry(294, 226, 16, 17);
    chkShutdown->setChecked(false);
    powerOffCaption = whiteLabel(this, "powerOffCaption", tr("Shutdown computer when job is finished."),
                        313, 227);
    // The size every output must end at or below; None, a choice or a typed number of MB.
    sizeLimitCaption = whiteLabel(this, "sizeLimitCaption", tr("Size limit:"), 523, 229,
                                  kFieldLabelSize);
    sizeLimitBox = new QComboBox(this);
    sizeLimitBox->setObjectName(QStringLiteral("sizeLimitBox"));
    sizeLimitBox->setGeometry(578, 225, 87, 21);
    sizeLimitBox->setEditable(true);
    sizeLimitBox->setInsertPolicy(QComboBox::NoInsert);
    sizeLimitBox->setToolTip(
        tr("Each output ends at or below this size; longer clips get a lower bitrate."));
    chkShowOutputDirectory = new QCheckBox(tr("Show output directory when done"), this);
    chkShowOutputDirectory->setObjectName(QStringLiteral("chkShowOutputDirectory"));
    chkShowOutputDirectory->setGeometry(294, 246, 15, 17);
    chkShowOutputDirectory->setChecked(true);
    showFolderCaption = whiteLabel(this, "showFolderCaption", tr("Show output directory when done"), 313, 247);
    // A click on a label ticks its box, as a caption would.
    powerOffCaption->installEventFilter(this);
    showFolderCaption->installEventFilter(this);

    trimStripWidget = CreateTrimStrip();
    trimStripWidget->setParent(this);
    trimStripWidget->setObjectName(QStringLiteral("trimStripWidget"));
    trimStripWidget->setGeometry(22, 234, 260, 19);

    btnPlay = pictureButton(this, "btnPlay", {36, 261, 25, 25}, QStringLiteral("Ctrl + P"));
    connect(btnPlay, &QAbstractButton::clicked, this, &MainWindow::onPlayRequested);
    btnPause = pictureButton(this, "btnPause", {68, 261, 25, 25}, QStringLiteral("Ctrl + U"));
    connect(btnPause, &QAbstractButton::clicked, this, &MainWindow::onPauseRequested);
    btnStop = pictureButton(this, "btnStop", {99, 261, 25, 25}, QStringLiteral("Ctrl + T"));
    connect(btnStop, &QAbstractButton::clicked, this, &MainWindow::onStopRequested);
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

    coderLink = new QLabel(tr("Click here to download the coder"), this);
    coderLink->setObjectName(QStringLiteral("coderLink"));
    QFont underlined = arial(11);
    underlined.setUnderline(true);
    coderLink->setFont(underlined);
    // A link reached with Tab as well: it shows a frame while it has the focus, and Return
    // or Space follows it.
    coderLink->setStyleSheet(QStringLiteral(
        "QLabel { color: white; background: transparent; border: 1px solid transparent; }"
        "QLabel:focus { border: 1px dotted white; }"));
    coderLink->setFocusPolicy(Qt::StrongFocus);
    coderLink->setAccessibleName(tr("Click here to download the coder"));
    coderLink->setCursor(Qt::PointingHandCursor);
    coderLink->adjustSize();
    coderLink->move(296, 272);
    coderLink->installEventFilter(this);

    sourceList = CreateSourceList();
    sourceList->setParent(this);
    sourceList->setObjectName(QStringLiteral("sourceList"));
    sourceList->setGeometry(22, 292, 525, 138);
    lblOutputTotal = whiteLabel(this, "lblOutputTotal", QString(), 300, 436);
    lblOutputTotal->setGeometry(300, 436, 247, 14);
    lblOutputTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOutputTotal->setAccessibleName(tr("Estimated output size"));

    btnOpenFile = pictureButton(this, "btnOpenFile", {555, 289, 110, 30}, QStringLiteral("Ctrl + O"));
    connect(btnOpenFile, &QAbstractButton::clicked, this, &MainWindow::onAddFilesRequested);
    btnRemoveFile =
        pictureButton(this, "btnRemoveFile", {555, 323, 110, 30}, QStringLiteral("Ctrl + R"));
    connect(btnRemoveFile, &QAbstractButton::clicked, this, &MainWindow::onRemoveFilesRequested);
    btnClearFile = pictureButton(this, "btnClearFile", {555, 357, 110, 30}, QStringLiteral("Ctrl + L"));
    connect(btnClearFile, &QAbstractButton::clicked, this, &MainWindow::onClearListRequested);
    btnConvert = pictureButton(this, "btnConvert", {555, 391, 110, 40}, QStringLiteral("Ctrl + S"));
    connect(btnConvert, &QAbstractButton::clicked, this, &MainWindow::onConvertRequested);

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
        {videoWindow, "Preview"},
        {cbbOutputFiletype, "Output FileType"},
        {cbbProfile, "Profile Settings"},
        {btnOptions, "Options"},
        {edtOutputFolder, "Output Folder"},
        {chooseFolderButton, "Browse for the output folder"},
        {btnSelectOutputFolder, "Choose the output folder"},
        {chkShutdown, "Shutdown computer when job is finished."},
        {chkShowOutputDirectory, "Show output directory when done"},
        {trimStripWidget, "Trim range"},
        {btnPlay, "Play"},
        {btnPause, "Pause"},
        {btnStop, "Stop"},
        {pnlCurTime, "Preview position"},
        {sourceList, "Source files"},
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

