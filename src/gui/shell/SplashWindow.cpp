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

constexpr int kTimer1Interval = 250;
constexpr int kTimer2Interval = 1000;
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
    ImgFlash = new QLabel(this);
    ImgFlash->setObjectName(QStringLiteral("ImgFlash"));
    ImgFlash->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    ImgFlash->setAlignment(Qt::AlignCenter);
    ImgFlash->setStyleSheet(QStringLiteral("color: white; font: bold 28px 'Liberation Sans';"));
    ImgFlash->setText(QStringLiteral("Clipwright"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTimer1Interval);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::Timer1Timer);
    Timer2 = new QTimer(this);
    // Two whole seconds at least: a coarse timer may tick a little early.
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer2->setInterval(kTimer2Interval);
    connect(Timer2, &QTimer::timeout, this, &SplashWindow::Timer2Timer);
}

void SplashWindow::SetPicture(const QByteArray &jpeg, qreal scale)
{
    QImage picture = QImage::fromData(jpeg, "JPEG");
    if (picture.isNull())
        return;
    picture.setDevicePixelRatio(scale);
    const QSize size = picture.deviceIndependentSize().toSize();
    ImgFlash->setText(QString());
    ImgFlash->setPixmap(QPixmap::fromImage(picture));
    ImgFlash->setGeometry(0, 0, size.width(), size.height());
    resize(size);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_tickCount = 0;
    Timer1->start();
    Timer2->start();
}

void SplashWindow::Timer1Timer()
{
    Timer1->stop();
    if (m_startUp)
        m_startUp();
    // Keep the picture up until Timer2 has ticked twice since the splash appeared.
    while (m_tickCount < 2 && Timer2->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Timer2->stop();
    accept();
}

void SplashWindow::Timer2Timer()
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
