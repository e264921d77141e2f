#include "shell/SplashWindow.h"

#include "platform/ResourceModule.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kStartUpDelayMs = 250;
constexpr int kHoldTickMs = 1000;
constexpr int kDesignWidth = 353;
constexpr int kDesignHeight = 190;

} // namespace

SplashWindow::SplashWindow(std::function<void()> startUp, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_startUp(std::move(startUp))
{
    setObjectName(QStringLiteral("FrmFlashForm"));
    setModal(true);
    resize(kDesignWidth, kDesignHeight);
    // The face without a picture: the product's colours and name.
    setStyleSheet(QStringLiteral("SplashWindow { background: #1e3355; }"));
    pictureLabel = new QLabel(this);
    pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    pictureLabel->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    pictureLabel->setAlignment(Qt::AlignCenter);
    pictureLabel->setStyleSheet(QStringLiteral("color: white; font: bold 28px 'Liberation Sans';"));
    pictureLabel->setText(QStringLiteral("Clipwright"));
    // The words on the picture, in the user's language; shown with the picture.
    auto text = [this](const char *name, const QString &words, const QRect &box, int px,
                       const char *color) {
        auto *label = new QLabel(words, this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(box);
        label->setStyleSheet(QStringLiteral("color: %1; background: transparent; font: %2px "
                                            "'Liberation Sans';")
                                 .arg(QLatin1String(color))
                                 .arg(px));
        label->hide();
        return label;
    };
    taglineLabel = text("taglineLabel", tr("Video and audio for your phone"),
                        {114, 84, 230, 20}, 14, "#b8c6da");
    startingLabel = text("startingLabel", tr("Starting..."), {16, kDesignHeight - 30, 321, 24},
                         11, "#9daec7");

    startUpTimer = new QTimer(this);
    startUpTimer->setInterval(kStartUpDelayMs);
    connect(startUpTimer, &QTimer::timeout, this, &SplashWindow::runStartUp);
    holdTimer = new QTimer(this);
    // Two whole seconds at least: a coarse timer may tick a little early.
    holdTimer->setTimerType(Qt::PreciseTimer);
    holdTimer->setInterval(kHoldTickMs);
    connect(holdTimer, &QTimer::timeout, this, &SplashWindow::countHoldTick);
}

void SplashWindow::SetPicture(const QByteArray &jpeg, qreal scale)
{
    QImage picture = QImage::fromData(jpeg, "JPEG");
    if (picture.isNull())
        return;
    picture.setDevicePixelRatio(scale);
    const QSize size = picture.deviceIndependentSize().toSize();
    pictureLabel->setText(QString());
    pictureLabel->setPixmap(QPixmap::fromImage(picture));
    pictureLabel->setGeometry(0, 0, size.width(), size.height());
    resize(size);
    taglineLabel->show();
    startingLabel->setGeometry(16, size.height() - 30, size.width() - 32, 24);
    startingLabel->show();
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_tickCount = 0;
    startUpTimer->start();
    holdTimer->start();
}

void SplashWindow::runStartUp()
{
    startUpTimer->stop();
    if (m_startUp)
        m_startUp();
    // Keep the picture up until holdTimer has ticked twice since the splash appeared.
    while (m_tickCount < 2 && holdTimer->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    holdTimer->stop();
    accept();
}

void SplashWindow::countHoldTick()
{
    ++m_tickCount;
}

void ShowSplash(const QString &modulePath, const std::function<void()> &startUp)
{
    SplashWindow splash(startUp);
    ResourceModule module;
    if (module.Load(modulePath)) {
        // Above 100% the 200% picture, when the module holds one.
        const QByteArray large = qGuiApp->devicePixelRatio() > 1.0
                                     ? module.Picture(QStringLiteral("ImgFlash@2x"))
                                     : QByteArray();
        if (!large.isEmpty())
            splash.SetPicture(large, 2.0);
        else
            splash.SetPicture(module.Picture(QStringLiteral("ImgFlash")));
    }
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = splash.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        splash.move(frame.topLeft());
    }
    splash.exec();
    module.Unload();
}
