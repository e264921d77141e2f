#pragma once

// What every skin drawing shares: the palette, the canvas at the current scale, saving,
// the faces of a picture button, the glyphs and the logo.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <utility>

namespace skins {

inline const QColor kTransparentKey(255, 0, 255); // outside the window's outline
inline const QColor kHeaderTop(0x2c, 0x4a, 0x78);
inline const QColor kHeaderBottom(0x1e, 0x33, 0x55);
inline const QColor kBodyTop(0x24, 0x35, 0x4f);
inline const QColor kBodyBottom(0x1a, 0x27, 0x3b);
inline const QColor kInset(0x12, 0x1b, 0x2b);
inline const QColor kCard(0x2a, 0x3d, 0x5a);
inline const QColor kAccent(0x4a, 0x90, 0xe2);
inline const QColor kAccentLight(0x7f, 0xb4, 0xf0);
inline const QColor kTextSoft(0xb8, 0xc6, 0xda);
inline const QColor kGreen(0x2e, 0xa0, 0x5e);
inline const QColor kStopTop(0xc9, 0x4a, 0x3f);
inline const QColor kStopBottom(0x9e, 0x2e, 0x26);

inline QString g_outDir;
inline int g_failures = 0;
// The scale the pictures are drawn at: 1 or 2. Every picture is made on a canvas of this
// device pixel ratio, so the drawing code works in the design's pixels at both scales.
inline int g_scale = 1;

// A canvas of w x h design pixels at the current scale.
inline QImage canvas(int w, int h, QImage::Format format)
{
    QImage image(w * g_scale, h * g_scale, format);
    image.setDevicePixelRatio(g_scale);
    return image;
}

// The file name at the current scale: "main/background.png" or "main/background@2x.png".
inline QString scaledName(const QString &name)
{
    if (g_scale == 1)
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(g_scale) + name.mid(dot);
}

inline void save(const QImage &image, const QString &name, const char *format = "PNG", int quality = -1)
{
    const QString path = g_outDir + QLatin1Char('/') + scaledName(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
    }
}


inline QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

inline QImage blank(int w, int h)
{
    QImage image = canvas(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The three faces of a picture button.
enum class Face { Up, Hot, Down };
inline const char *faceName(Face f)
{
    switch (f) {
    case Face::Up:
        return "up";
    case Face::Hot:
        return "hot";
    case Face::Down:
        return "down";
    }
    return "up";
}

inline void saveFaces(const QString &name, const std::function<QImage(Face)> &draw)
{
    for (Face f : {Face::Up, Face::Hot, Face::Down})
        save(draw(f), QStringLiteral("main/%1_%2.png").arg(name, QLatin1String(faceName(f))));
}

// ---- glyphs --------------------------------------------------------------------------

inline void glyphHome(QPainter &p, QPointF c, double s)
{
    QPainterPath roof;
    roof.moveTo(c.x() - s, c.y() - 0.05 * s);
    roof.lineTo(c.x(), c.y() - s);
    roof.lineTo(c.x() + s, c.y() - 0.05 * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, s * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(roof);
    QPainterPath body;
    body.addRect(QRectF(c.x() - 0.68 * s, c.y() - 0.25 * s, 1.36 * s, 1.1 * s));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 0.2 * s, c.y() + 0.25 * s, 0.4 * s, 0.6 * s));
}

inline void glyphMail(QPainter &p, QPointF c, double s)
{
    const QRectF r(c.x() - s, c.y() - 0.7 * s, 2 * s, 1.4 * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, s * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(r, s * 0.12, s * 0.12);
    QPainterPath flap;
    flap.moveTo(r.topLeft() + QPointF(s * 0.1, s * 0.1));
    flap.lineTo(c.x(), c.y() + 0.1 * s);
    flap.lineTo(r.topRight() + QPointF(-s * 0.1, s * 0.1));
    p.drawPath(flap);
}

inline void glyphText(QPainter &p, const QRectF &r, const QString &text, int px, bool bold,
               const QColor &color = Qt::white)
{
    p.setPen(color);
    p.setFont(uiFont(px, bold));
    p.drawText(r, Qt::AlignCenter, text);
}

// ---- the main window's background ----------------------------------------------------

inline void drawLogo(QPainter &p, const QRectF &r)
{
    // A rounded tile with a film strip edge and a play triangle: the program's mark.
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kAccentLight);
    g.setColorAt(1, kAccent.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, r.width() * 0.22, r.width() * 0.22);
    p.setBrush(QColor(255, 255, 255, 70));
    const double hole = r.width() * 0.1;
    for (int i = 0; i < 4; ++i) {
        const double y = r.top() + r.height() * (0.16 + 0.2 * i);
        p.drawRect(QRectF(r.left() + r.width() * 0.1, y, hole, hole));
        p.drawRect(QRectF(r.right() - r.width() * 0.1 - hole, y, hole, hole));
    }
    QPainterPath tri;
    tri.moveTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.28);
    tri.lineTo(r.left() + r.width() * 0.72, r.center().y());
    tri.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.72);
    tri.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(tri);
}

} // namespace skins
