// The main window's controls: where each sits on the skin, its caption, tooltip and name.
#include "shell/MainWindow.h"

#include "platform/WindowDrag.h"
#include "platform/WindowOutline.h"
#include "shell/PictureButton.h"
#include "shell/SkinPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

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

// Makes a caption fit the room it has, as translations run longer than English: smaller
// down to 8 px, then elided with the whole text as its tool tip.
void fitCaption(QLabel *label, int room)
{
    QFont font = label->font();
    const QString text = label->text();
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) > room) {
        label->setText(metrics.elidedText(text, Qt::ElideRight, room));
        label->setToolTip(text);
    }
    label->adjustSize();
    label->resize(std::min(label->width(), room), label->height());
}

// A softer text drawn on the skin. A box of several lines wraps the text and makes it smaller
// until it fits; a box of one line keeps it on that line (fitCaption).
QLabel *skinText(QWidget *parent, const char *name, const QString &text, const QRect &box,
                 const QColor &color, int pixelSize)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
    // Part of the picture: a press there drags the window as on the rest of the skin.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = arial(pixelSize);
    if (box.height() < 2 * QFontMetrics(font).height()) {
        label->setFont(font);
        fitCaption(label, box.width());
        label->move(box.x(), box.y() + (box.height() - label->height()) / 2);
        return label;
    }
    label->setWordWrap(true);
    label->setGeometry(box);
    while (pixelSize > 8) {
        font.setPixelSize(pixelSize);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, box.width(), 1000), Qt::TextWordWrap, text);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            break;
        --pixelSize;
    }
    label->setFont(font);
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
    background = new QLabel(this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    const QPixmap picture = SkinPixmap(QStringLiteral(":/skin/main/background.png"));
    background->setPixmap(picture);
    // The window is the background's pixels that are not its key colour.
    WindowOutline::Keep(this, picture.toImage());

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
    btnOptions->setCaption(tr("Options"), QString(), 11);
    connect(btnOptions, &QAbstractButton::clicked, this, &MainWindow::onOptionsRequested);

    lblOutputFolderInfo =
        whiteLabel(this, "lblOutputFolderInfo", tr("Output Folder:"), 298, 191, kFieldLabelSize);
    edtOutputFolder = new QLineEdit(QDir::homePath() + QStringLiteral("/Clipwright"), this);
    edtOutputFolder->setObjectName(QStringLiteral("edtOutputFolder"));
    edtOutputFolder->setReadOnly(true);
    edtOutputFolder->setGeometry(368, 188, 217, 21);
    chooseFolderButton = pictureButton(this, "chooseFolderButton", {595, 188, 70, 20}, QStringLiteral("Ctrl + B"));
    chooseFolderButton->setCaption(tr("Browse..."), QString(), 11);
    connect(chooseFolderButton, &QAbstractButton::clicked, this, &MainWindow::onChooseOutputFolderRequested);

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
    // Named as its caption says, without the colon; its text field too.
    sizeLimitBox->setAccessibleName(tr("Size limit:").chopped(1).trimmed());
    sizeLimitBox->lineEdit()->setAccessibleName(sizeLimitBox->accessibleName());
    sizeLimitBox->setInsertPolicy(QComboBox::NoInsert);
    sizeLimitBox->setToolTip(
        tr("Each output ends at or below this size; longer clips get a lower bitrate."));
    chkShowOutputDirectory = new QCheckBox(tr("Show output directory when done"), this);
    chkShowOutputDirectory->setObjectName(QStringLiteral("chkShowOutputDirectory"));
    chkShowOutputDirectory->setGeometry(294, 246, 15, 17);
    chkShowOutputDirectory->setChecked(true);
    showFolderCaption = whiteLabel(this, "showFolderCaption", tr("Show output directory when done"), 313, 247);
    // Each caption keeps to the room left of its field or box, whatever the language.
    fitCaption(lblOutputFileTypeName, 368 - 288 - 3);
    fitCaption(lblProfileSettings, 368 - 291 - 3);
    fitCaption(lblOutputFolderInfo, 368 - 298 - 3);
    fitCaption(powerOffCaption, 523 - 313 - 6);
    fitCaption(sizeLimitCaption, 578 - 523 - 3);
    fitCaption(showFolderCaption, 665 - 313);
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
    skinText(this, "taglineText", tr("Video and audio for your phone"), {298, 78, 104, 40},
             QColor(0xb8, 0xc6, 0xda), 12);
    skinText(this, "listHintText", tr("Drop files here or use Add Files. Tick the files to convert."),
             {22, 434, 276, 16}, QColor(0x8a, 0x9b, 0xb4), 11);
    lblOutputTotal = whiteLabel(this, "lblOutputTotal", QString(), 300, 436);
    lblOutputTotal->setGeometry(300, 436, 247, 14);
    lblOutputTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A label that shows a value is read by its text; what it stands for is its description.
    lblOutputTotal->setAccessibleDescription(tr("Estimated output size"));

    btnOpenFile = pictureButton(this, "btnOpenFile", {555, 289, 110, 30}, QStringLiteral("Ctrl + O"));
    btnOpenFile->setCaption(tr("Add Files"), QStringLiteral("+"));
    connect(btnOpenFile, &QAbstractButton::clicked, this, &MainWindow::onAddFilesRequested);
    btnRemoveFile =
        pictureButton(this, "btnRemoveFile", {555, 323, 110, 30}, QStringLiteral("Ctrl + R"));
    btnRemoveFile->setCaption(tr("Remove"), QString(QChar(0x2212)));
    connect(btnRemoveFile, &QAbstractButton::clicked, this, &MainWindow::onRemoveFilesRequested);
    btnClearFile = pictureButton(this, "btnClearFile", {555, 357, 110, 30}, QStringLiteral("Ctrl + L"));
    btnClearFile->setCaption(tr("Clear"), QString(QChar(0xd7)));
    connect(btnClearFile, &QAbstractButton::clicked, this, &MainWindow::onClearListRequested);
    btnConvert = pictureButton(this, "btnConvert", {555, 391, 110, 40}, QStringLiteral("Ctrl + S"));
    btnConvert->setCaption(tr("Convert"), QString(QChar(0x25b6)), 15);
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
        {btnWindowMinimize, QT_TR_NOOP("Minimize")},
        {btnWindowClose, QT_TR_NOOP("Close")},
        {btnHomePage, QT_TR_NOOP("Home Page")},
        {btnEMail, QT_TR_NOOP("E-mail Support")},
        {btnHelp, QT_TR_NOOP("Help")},
        {btnAbout, QT_TR_NOOP("About")},
        {videoWindow, QT_TR_NOOP("Preview")},
        {cbbOutputFiletype, QT_TR_NOOP("Output FileType")},
        {cbbProfile, QT_TR_NOOP("Profile Settings")},
        {btnOptions, QT_TR_NOOP("Options")},
        {edtOutputFolder, QT_TR_NOOP("Output Folder")},
        {chooseFolderButton, QT_TR_NOOP("Browse for the output folder")},
        {chkShutdown, QT_TR_NOOP("Shutdown computer when job is finished.")},
        {chkShowOutputDirectory, QT_TR_NOOP("Show output directory when done")},
        {trimStripWidget, QT_TR_NOOP("Trim range")},
        {btnPlay, QT_TR_NOOP("Play")},
        {btnPause, QT_TR_NOOP("Pause")},
        {btnStop, QT_TR_NOOP("Stop")},
        {sourceList, QT_TR_NOOP("Source files")},
        {btnOpenFile, QT_TR_NOOP("Add Files")},
        {btnRemoveFile, QT_TR_NOOP("Remove")},
        {btnClearFile, QT_TR_NOOP("Clear")},
        {btnConvert, QT_TR_NOOP("Convert")},
    };
    for (const Name &n : names)
        n.control->setAccessibleName(tr(n.name));
    pnlCurTime->setAccessibleDescription(tr("Preview position"));
    for (auto *button : findChildren<PictureButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!button->hint().isEmpty())
            button->setAccessibleDescription(button->hint());
    }
    lblOutputFileTypeName->setBuddy(cbbOutputFiletype);
    lblProfileSettings->setBuddy(cbbProfile);
    lblOutputFolderInfo->setBuddy(edtOutputFolder);
}

