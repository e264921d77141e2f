#include "conversion/ConvertingSkin.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace ConvertingSkin {

namespace {

// The program's dark blue-grey skin.
const QColor kHeaderTop(0x2c, 0x4a, 0x78);
const QColor kHeaderBottom(0x1e, 0x33, 0x55);
const QColor kBodyTop(0x24, 0x35, 0x4f);
const QColor kBodyBottom(0x1a, 0x27, 0x3b);
const QColor kInset(0x12, 0x1b, 0x2b);
const QColor kAccent(0x4a, 0x90, 0xe2);
const QColor kStopTop(0xc9, 0x4a, 0x3f);
const QColor kStopBottom(0x9e, 0x2e, 0x26);

constexpr int kWidth = 435;
constexpr int kHeight = 205;

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace

QImage DrawBackground()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kTransparentKey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The outline: a rounded rectangle drawn without smoothing, so every pixel is either
    // inside the shape or exactly the key colour.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, kWidth, kHeight), 12, 12);
    QLinearGradient body(0, 0, 0, kHeight);
    body.setColorAt(0, kBodyTop);
    body.setColorAt(1, kBodyBottom);
    p.fillPath(outline, body);

    // Header band behind the busy text, closed by the accent line.
    p.setClipPath(outline);
    QLinearGradient header(0, 0, 0, 34);
    header.setColorAt(0, kHeaderTop);
    header.setColorAt(1, kHeaderBottom);
    p.fillRect(QRect(0, 0, kWidth, 34), header);
    p.fillRect(QRect(0, 34, kWidth, 2), kAccent);

    // Wells behind the two bars and the file name.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kInset);
    p.drawRoundedRect(QRectF(10, 40, kWidth - 20, 22), 5, 5);
    p.drawRoundedRect(QRectF(10, 66, kWidth - 20, 50), 5, 5);

    // A faint mark on the right of the header.
    p.setFont(uiFont(11, true));
    p.setPen(QColor(0x7f, 0xb4, 0xf0, 150));
    p.drawText(QRect(0, 0, kWidth - 16, 34), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Clipwright"));

    // Thin edge so the shape reads on any desktop.
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x3a, 0x55, 0x80));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline.translated(0, 0));
    p.end();

    // Re-key every pixel outside the outline after the edge stroke.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (!outline.contains(QPointF(x + 0.5, y + 0.5)))
                image.setPixel(x, y, kTransparentKey.rgb());
    return image;
}

QImage DrawStopButton(Face face)
{
    const int w = 100;
    const int h = 26;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    const QRectF box = face == Face::Down ? QRectF(1.5, 1.5, w - 2, h - 2)
                                          : QRectF(0.5, 0.5, w - 2, h - 2);
    QColor top = kStopTop;
    QColor bottom = kStopBottom;
    if (face == Face::Hot) {
        top = top.lighter(118);
        bottom = bottom.lighter(118);
    } else if (face == Face::Down) {
        std::swap(top, bottom);
        top = top.darker(110);
    }
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(QColor(0x5e, 0x1a, 0x15), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 6, 6);

    // A stop square and the word.
    const QPointF offset = box.topLeft() - QPointF(0.5, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(22, 8, 10, 10).translated(offset), 1.5, 1.5);
    p.setPen(Qt::white);
    p.setFont(uiFont(13, true));
    p.drawText(QRectF(38, 0, 50, h - 2).translated(offset), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Stop"));
    p.end();
    return image;
}

QString StopButtonFileName(Face face)
{
    switch (face) {
    case Face::Up:
        return QStringLiteral("btnStop_up.png");
    case Face::Hot:
        return QStringLiteral("btnStop_hot.png");
    case Face::Down:
        return QStringLiteral("btnStop_down.png");
    }
    return QString();
}

QImage Background()
{
    const QImage image(QStringLiteral(":/skin/converting/background.png"));
    return image.isNull() ? DrawBackground() : image;
}

QImage StopButton(Face face)
{
    const QImage image(QStringLiteral(":/skin/converting/") + StopButtonFileName(face));
    return image.isNull() ? DrawStopButton(face) : image;
}

} // namespace ConvertingSkin
