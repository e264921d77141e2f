#include "platform/VideoWindow.h"

#include "platform/ScreenSaverInhibitor.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <mpv/render.h>

#include <cstdlib>

namespace {

constexpr int kCursorHideMs = 3000;
// libmpv's software renderer is fastest with 64-byte aligned lines.
constexpr size_t kLineAlign = 64;

// The logo panel: a borderless panel whose picture (imgLOGO) is stretched over it.
class LogoPanel : public QWidget
{
public:
    explicit LogoPanel(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("panLogo"));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        m_img = new QLabel(this);
        m_img->setObjectName(QStringLiteral("imgLOGO"));
        m_img->setScaledContents(true);
        layout->addWidget(m_img);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        m_img->setPixmap(QPixmap::fromImage(VideoWindow::LogoPicture(size())));
    }

private:
    QLabel *m_img;
};

} // namespace

VideoWindow::VideoWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("videoWindow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_screenSaver = new ScreenSaverInhibitor(this);
    m_panLogo = new LogoPanel(this);
    m_panLogo->setGeometry(rect());
    m_notice = new QLabel(m_panLogo);
    m_notice->setObjectName(QStringLiteral("lblPreviewNotice"));
    m_notice->setAccessibleName(tr("Preview"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setStyleSheet(QStringLiteral(
        "QLabel { color: white; background: rgba(0, 0, 0, 170); padding: 2px 4px; }"));
    m_notice->hide();
    m_cursorTimer.setSingleShot(true);
    m_cursorTimer.setInterval(kCursorHideMs);
    connect(&m_cursorTimer, &QTimer::timeout, this, [this] {
        if (m_ctx)
            setCursor(Qt::BlankCursor);
    });
}

VideoWindow::~VideoWindow()
{
    detachMpv();
}

bool VideoWindow::attachMpv(mpv_handle *mpv)
{
    // A picture left by a released player stays until the new one draws.
    releaseMpv();
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, apiType},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&m_ctx, mpv, params) < 0) {
        m_ctx = nullptr;
        return false;
    }
    mpv_render_context_set_update_callback(
        m_ctx,
        [](void *ctx) {
            // Called on a libmpv thread: draw on the GUI thread.
            QMetaObject::invokeMethod(static_cast<VideoWindow *>(ctx),
                                      [w = static_cast<VideoWindow *>(ctx)] { w->renderFrame(false); },
                                      Qt::QueuedConnection);
        },
        this);
    return true;
}

void VideoWindow::detachMpv()
{
    if (!m_ctx && m_frame.isNull())
        return;
    releaseMpv();
    m_frame = QImage();
    m_buffer.reset();
    unsetCursor();
    update();
}

void VideoWindow::releaseMpv()
{
    if (!m_ctx)
        return;
    mpv_render_context_set_update_callback(m_ctx, nullptr, nullptr);
    mpv_render_context_free(m_ctx);
    m_ctx = nullptr;
    m_screenSaver->setInhibited(false);
}

void VideoWindow::setLogoVisible(bool visible)
{
    m_panLogo->setVisible(visible);
}

void VideoWindow::setNotice(const QString &text)
{
    m_notice->setToolTip(text);
    m_notice->setProperty("fullText", text);
    m_notice->setVisible(!text.isEmpty());
    placeNotice();
}

void VideoWindow::placeNotice()
{
    // One line across the foot of the logo, cut with "..." where the window is too narrow;
    // the whole text is in the tooltip.
    const QString text = notice();
    const int height = m_notice->fontMetrics().height() + 6;
    m_notice->setGeometry(0, qMax(0, this->height() - height), width(), height);
    m_notice->setText(m_notice->fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, width() - 10)));
}

QString VideoWindow::notice() const
{
    return m_notice->property("fullText").toString();
}

bool VideoWindow::logoVisible() const
{
    return !m_panLogo->isHidden();
}

void VideoWindow::renderFrame(bool force)
{
    if (!m_ctx)
        return;
    const uint64_t flags = mpv_render_context_update(m_ctx);
    if (!(flags & MPV_RENDER_UPDATE_FRAME) && !(force && !m_frame.isNull()))
        return;
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (m_frame.size() != size) {
        const size_t stride = (size_t(size.width()) * 4 + kLineAlign - 1) / kLineAlign * kLineAlign;
        void *data = std::aligned_alloc(kLineAlign, stride * size_t(size.height()));
        if (!data)
            return;
        m_buffer = std::unique_ptr<uchar, void (*)(void *)>(static_cast<uchar *>(data), std::free);
        m_frame = QImage(m_buffer.get(), size.width(), size.height(), qsizetype(stride),
                         QImage::Format_RGB32);
    }
    int sizeParam[2] = {size.width(), size.height()};
    size_t strideParam = size_t(m_frame.bytesPerLine());
    // Qt's 32-bit RGB is blue, green, red, unused in memory on little-endian machines.
    char format[] = "bgr0";
    // Draw the frame now: waiting for its display time would stall the GUI thread.
    int noWait = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &noWait},
        {MPV_RENDER_PARAM_SW_SIZE, sizeParam},
        {MPV_RENDER_PARAM_SW_FORMAT, format},
        {MPV_RENDER_PARAM_SW_STRIDE, &strideParam},
        {MPV_RENDER_PARAM_SW_POINTER, m_buffer.get()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(m_ctx, params) >= 0) {
        ++m_framesDrawn;
        m_screenSaver->setInhibited(true);
        update();
    }
}

void VideoWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    // Without a player the last picture stays until the window is detached.
    if (!m_frame.isNull())
        p.drawImage(QPoint(0, 0), m_frame);
}

void VideoWindow::resizeEvent(QResizeEvent *)
{
    m_panLogo->setGeometry(rect());
    placeNotice();
    if (m_ctx && !m_frame.isNull()) {
        m_frame = QImage();
        m_buffer.reset();
        // Draw the current picture again at the new size.
        renderFrame(true);
    }
}

void VideoWindow::mouseMoveEvent(QMouseEvent *event)
{
    unsetCursor();
    m_cursorTimer.start();
    QWidget::mouseMoveEvent(event);
}

QImage VideoWindow::LogoPicture(const QSize &size)
{
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, img.height());
    bg.setColorAt(0, QColor(0x1e, 0x33, 0x55));
    bg.setColorAt(1, QColor(0x0b, 0x12, 0x1e));
    p.fillRect(img.rect(), bg);

    // A film frame with a play mark in the middle.
    const qreal h = img.height() * 0.46;
    const qreal w = h * 1.35;
    const QRectF frame((img.width() - w) / 2, (img.height() - h) / 2 - img.height() * 0.06, w, h);
    p.setPen(QPen(QColor(0x7f, 0xb4, 0xf0), qMax(1.0, h / 30)));
    p.setBrush(QColor(0x2a, 0x3d, 0x5a));
    p.drawRoundedRect(frame, h / 10, h / 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x12, 0x1b, 0x2b));
    const qreal hole = h / 9;
    for (int i = 0; i < 5; ++i) {
        const qreal x = frame.left() + w * (0.14 + 0.18 * i) - hole / 2;
        p.drawRect(QRectF(x, frame.top() + hole * 0.6, hole, hole * 0.8));
        p.drawRect(QRectF(x, frame.bottom() - hole * 1.4, hole, hole * 0.8));
    }
    QPainterPath play;
    const QPointF c = frame.center();
    play.moveTo(c.x() - h * 0.14, c.y() - h * 0.2);
    play.lineTo(c.x() + h * 0.2, c.y());
    play.lineTo(c.x() - h * 0.14, c.y() + h * 0.2);
    play.closeSubpath();
    p.setBrush(QColor(0x4a, 0x90, 0xe2));
    p.drawPath(play);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(8, int(img.height() * 0.11)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xb8, 0xc6, 0xda));
    p.drawText(QRectF(0, frame.bottom() + img.height() * 0.04, img.width(), img.height() * 0.16),
               Qt::AlignCenter, QStringLiteral("Clipwright"));
    p.end();
    return img;
}
