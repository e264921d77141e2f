#include "platform/WindowOutline.h"

#include <QBitmap>
#include <QEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cmath>
#include <vector>

namespace {

// The picture's size in the window's pixels.
QSize logicalSize(const QImage &picture)
{
    const qreal ratio = picture.devicePixelRatio() > 0 ? picture.devicePixelRatio() : 1.0;
    return QSize(qRound(picture.width() / ratio), qRound(picture.height() / ratio));
}

// The coverage's inside as rectangles, one per run of inside pixels in a row.
std::vector<xcb_rectangle_t> insideRuns(const QImage &coverage)
{
    std::vector<xcb_rectangle_t> runs;
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar *row = coverage.constScanLine(y);
        int x = 0;
        while (x < coverage.width()) {
            while (x < coverage.width() && row[x] < 128)
                ++x;
            const int start = x;
            while (x < coverage.width() && row[x] >= 128)
                ++x;
            if (x > start)
                runs.push_back({int16_t(start), int16_t(y), uint16_t(x - start), 1});
        }
    }
    return runs;
}

} // namespace

void WindowOutline::Keep(QWidget *window, const QImage &picture)
{
    if (!window || picture.isNull())
        return;
    for (WindowOutline *kept : window->findChildren<WindowOutline *>(QString(),
                                                                      Qt::FindDirectChildrenOnly))
        delete kept;
    new WindowOutline(window, picture);
}

WindowOutline::WindowOutline(QWidget *window, const QImage &picture)
    : QObject(window), m_picture(picture)
{
    // Qt's mask, in the window's pixels: exact at 100%, and the outline wherever the screen's
    // own pixels cannot be reached.
    QImage shape(logicalSize(picture), QImage::Format_ARGB32);
    shape.fill(Qt::black);
    shape.setAlphaChannel(Coverage(picture, shape.size()));
    window->setMask(QBitmap::fromImage(shape.createAlphaMask()));
    window->installEventFilter(this);
    if (window->isVisible())
        applyInScreenPixels();
}

QImage WindowOutline::Coverage(const QImage &picture, const QSize &size)
{
    const QImage colours = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = colours.pixel(0, colours.height() - 1);
    QImage inside(colours.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colours.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(colours.constScanLine(y));
        uchar *to = inside.scanLine(y);
        for (int x = 0; x < colours.width(); ++x)
            to[x] = from[x] == key ? 0 : 255;
    }
    if (inside.size() == size)
        return inside;
    // Smooth scaling gives the edge's pixels their share of the inside; half or more is in.
    QImage scaled = inside.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < scaled.height(); ++y) {
        uchar *row = scaled.scanLine(y);
        for (int x = 0; x < scaled.width(); ++x)
            row[x] = row[x] >= 128 ? 255 : 0;
    }
    return scaled;
}

bool WindowOutline::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Show) {
        applyInScreenPixels();
        if (QWindow *handle = window()->windowHandle()) {
            connect(handle, &QWindow::screenChanged, this, &WindowOutline::applyInScreenPixels,
                    Qt::UniqueConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowOutline::applyInScreenPixels()
{
    const qreal ratio = window()->devicePixelRatioF();
    if (std::abs(ratio - 1.0) < 0.01)
        return; // Qt's mask is already in the screen's pixels.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !window()->windowHandle())
        return;
    const QSize size = logicalSize(m_picture);
    const QImage coverage =
        Coverage(m_picture, QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
    const std::vector<xcb_rectangle_t> runs = insideRuns(coverage);
    xcb_connection_t *connection = x11->connection();
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                         XCB_CLIP_ORDERING_YX_BANDED, xcb_window_t(window()->winId()), 0, 0,
                         uint32_t(runs.size()), runs.data());
    xcb_flush(connection);
}
