// Draws all of Clipwright's skin pictures: the main window's background and picture
// buttons, the frame of the position display, the trim handles, the busy window's
// background, the progress dialog's background and Stop button, and the splash picture.
// Every picture is drawn twice from the same code, at 100% ("name.png") and at 200%
// ("name@2x.png"), so text and edges stay sharp on scaled screens; the program picks the
// picture for the screen's scale. The pictures are committed; run this only to change the
// look:
//
//   cmake --build <build> --target clipwright_make_skins
//   QT_QPA_PLATFORM=offscreen <build>/resources/clipwright_make_skins resources/skin
//
// Palette: dark blue-grey frame, light content widgets, one blue accent, a green Convert
// button and a muted red Stop button. Text is Liberation Sans.

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
#include <map>
#include <utility>

namespace {

const QColor kTransparentKey(255, 0, 255); // outside the window's outline
const QColor kHeaderTop(0x2c, 0x4a, 0x78);
const QColor kHeaderBottom(0x1e, 0x33, 0x55);
const QColor kBodyTop(0x24, 0x35, 0x4f);
const QColor kBodyBottom(0x1a, 0x27, 0x3b);
const QColor kInset(0x12, 0x1b, 0x2b);
const QColor kCard(0x2a, 0x3d, 0x5a);
const QColor kAccent(0x4a, 0x90, 0xe2);
const QColor kAccentLight(0x7f, 0xb4, 0xf0);
const QColor kTextSoft(0xb8, 0xc6, 0xda);
const QColor kGreen(0x2e, 0xa0, 0x5e);
const QColor kStopTop(0xc9, 0x4a, 0x3f);
const QColor kStopBottom(0x9e, 0x2e, 0x26);

QString g_outDir;
int g_failures = 0;
// The scale the pictures are drawn at: 1 or 2. Every picture is made on a canvas of this
// device pixel ratio, so the drawing code works in the design's pixels at both scales.
int g_scale = 1;
// The 100% pictures whose key colour marks the outside of a window, by file name.
std::map<QString, QImage> g_keyed;

// A canvas of w x h design pixels at the current scale.
QImage canvas(int w, int h, QImage::Format format)
{
    QImage image(w * g_scale, h * g_scale, format);
    image.setDevicePixelRatio(g_scale);
    return image;
}

// The file name at the current scale: "main/background.png" or "main/background@2x.png".
QString scaledName(const QString &name)
{
    if (g_scale == 1)
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(g_scale) + name.mid(dot);
}

void save(const QImage &image, const QString &name, const char *format = "PNG", int quality = -1)
{
    const QString path = g_outDir + QLatin1Char('/') + scaledName(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
    }
}

// Saves a window's picture whose key-coloured pixels lie outside the window. The window's
// shape is taken from the 100% picture at every scale, so the larger picture is keyed
// exactly where the smaller one is: its key pixels become key wherever the 100% picture's
// pixel is, and take the 100% picture's colour where that one is inside.
void saveKeyed(QImage image, const QString &name, const QColor &key)
{
    if (g_scale == 1) {
        g_keyed[name] = image;
    } else {
        const QImage &small = g_keyed.at(name);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb outer = small.pixel(x / g_scale, y / g_scale);
                if (outer == key.rgb())
                    image.setPixel(x, y, key.rgb());
                else if (image.pixel(x, y) == key.rgb())
                    image.setPixel(x, y, outer);
            }
        }
    }
    save(image, name);
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage blank(int w, int h)
{
    QImage image = canvas(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The three faces of a picture button.
enum class Face { Up, Hot, Down };
const char *faceName(Face f)
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

void saveFaces(const QString &name, const std::function<QImage(Face)> &draw)
{
    for (Face f : {Face::Up, Face::Hot, Face::Down})
        save(draw(f), QStringLiteral("main/%1_%2.png").arg(name, QLatin1String(faceName(f))));
}

// ---- glyphs --------------------------------------------------------------------------

void glyphHome(QPainter &p, QPointF c, double s)
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

void glyphMail(QPainter &p, QPointF c, double s)
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

void glyphText(QPainter &p, const QRectF &r, const QString &text, int px, bool bold,
               const QColor &color = Qt::white)
{
    p.setPen(color);
    p.setFont(uiFont(px, bold));
    p.drawText(r, Qt::AlignCenter, text);
}

// ---- the main window's background ----------------------------------------------------

void drawLogo(QPainter &p, const QRectF &r)
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

void makeBackground()
{
    const int w = 692, h = 456;
    QImage image = canvas(w, h, QImage::Format_RGB32);
    image.fill(kTransparentKey);
    QPainter p(&image);

    // The outline is drawn without smoothing: the window's mask keeps every pixel that is
    // not the key colour, and smoothed edges would leave pink seams.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), 14, 14);
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0, kBodyTop);
    body.setColorAt(1, kBodyBottom);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(outline);

    p.setClipPath(outline);
    QLinearGradient header(0, 0, 0, 66);
    header.setColorAt(0, kHeaderTop);
    header.setColorAt(1, kHeaderBottom);
    p.setBrush(header);
    p.drawRect(0, 0, w, 66);
    p.setBrush(kAccent);
    p.drawRect(0, 66, w, 2);
    p.setClipping(false);

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    drawLogo(p, QRectF(22, 26, 34, 34));

    // Preview well: the video window, the trim strip and the player buttons sit on it.
    p.setPen(QPen(QColor(0x33, 0x4a, 0x6c), 1));
    p.setBrush(kInset);
    p.drawRoundedRect(QRectF(15.5, 70.5, 273, 221), 8, 8);

    // The card behind the output settings.
    p.setPen(QPen(QColor(0x38, 0x50, 0x74), 1));
    p.setBrush(kCard);
    p.drawRoundedRect(QRectF(282.5, 129.5, 392, 138), 8, 8);

    // A short line under the web buttons' row, left of them.
    p.setPen(kTextSoft);
    p.setFont(uiFont(12, false));
    p.drawText(QRectF(298, 78, 104, 40), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QStringLiteral("Video and audio\nfor your phone"));

    // Footer hint under the list.
    p.setPen(QColor(0x8a, 0x9b, 0xb4));
    p.setFont(uiFont(11, false));
    p.drawText(QRectF(22, 434, 525, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Drop files here or use Add Files. Tick the files to convert."));
    p.end();
    saveKeyed(image, QStringLiteral("main/background.png"), kTransparentKey);

    // Separator line.
    QImage line = blank(379, 5);
    QPainter lp(&line);
    QLinearGradient lg(0, 0, 379, 0);
    lg.setColorAt(0, QColor(0x4a, 0x90, 0xe2, 0));
    lg.setColorAt(0.15, kAccent);
    lg.setColorAt(0.85, kAccent);
    lg.setColorAt(1, QColor(0x4a, 0x90, 0xe2, 0));
    lp.fillRect(QRect(0, 2, 379, 1), lg);
    lp.end();
    save(line, QStringLiteral("main/separatorLine.png"));

    // The program's mark for the window icon and the About box.
    QImage logo = blank(48, 48);
    QPainter op(&logo);
    op.setRenderHint(QPainter::Antialiasing);
    drawLogo(op, QRectF(2, 2, 44, 44));
    op.end();
    save(logo, QStringLiteral("main/logo.png"));

    // The tick of the check boxes: white on the accent colour.
    QImage tick = blank(13, 13);
    QPainter tp(&tick);
    tp.setRenderHint(QPainter::Antialiasing);
    tp.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    tp.drawPolyline(QPolygonF({QPointF(3, 6.5), QPointF(5.5, 9), QPointF(10, 3.5)}));
    tp.end();
    save(tick, QStringLiteral("main/check.png"));

    // The arrow of the drop-down lists.
    QImage arrow = blank(9, 6);
    QPainter ap(&arrow);
    ap.setRenderHint(QPainter::Antialiasing);
    ap.setPen(Qt::NoPen);
    ap.setBrush(QColor(0x35, 0x55, 0x7f));
    ap.drawPolygon(QPolygonF({QPointF(0, 0.5), QPointF(9, 0.5), QPointF(4.5, 5.5)}));
    ap.end();
    save(arrow, QStringLiteral("main/arrow.png"));
}

// ---- picture buttons -------------------------------------------------------------------

QImage frameButton(Face f, const QString &glyph, bool danger)
{
    QImage image = blank(25, 25);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (f != Face::Up) {
        QColor fill = danger ? QColor(0xd9, 0x48, 0x48) : QColor(0x3f, 0x62, 0x96);
        if (f == Face::Down)
            fill = fill.darker(125);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(1, 1, 23, 23), 5, 5);
    }
    p.setPen(QPen(f == Face::Up ? kTextSoft : QColor(Qt::white), 2, Qt::SolidLine, Qt::RoundCap));
    const double d = f == Face::Down ? 0.5 : 0;
    if (glyph == QLatin1String("min")) {
        p.drawLine(QPointF(7.5 + d, 16.5 + d), QPointF(17.5 + d, 16.5 + d));
    } else {
        p.drawLine(QPointF(8 + d, 8 + d), QPointF(17 + d, 17 + d));
        p.drawLine(QPointF(17 + d, 8 + d), QPointF(8 + d, 17 + d));
    }
    return image;
}

QImage roundButton(Face f, const std::function<void(QPainter &, QPointF, double)> &glyph)
{
    QImage image = blank(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = f == Face::Down ? 1 : 0;
    const QPointF c(24 + d, 24 + d);
    QColor fill = f == Face::Hot ? QColor(0x3b, 0x64, 0x9e) : QColor(0x2c, 0x49, 0x74);
    if (f == Face::Down)
        fill = QColor(0x22, 0x3a, 0x5f);
    QRadialGradient g(c - QPointF(6, 8), 30);
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill);
    p.setPen(QPen(f == Face::Hot ? kAccentLight : QColor(0x4d, 0x6f, 0xa3), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, 20.5, 20.5);
    glyph(p, c, 9);
    return image;
}

QImage textButton(Face f, int w, int h, const QString &text, const QColor &base, int px,
                  const QString &mark = QString())
{
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QColor top = base.lighter(118), bottom = base;
    if (f == Face::Hot) {
        top = base.lighter(140);
        bottom = base.lighter(115);
    } else if (f == Face::Down) {
        top = base.darker(125);
        bottom = base.darker(110);
    }
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(base.darker(150), 1));
    p.setBrush(g);
    const double r = h >= 30 ? 6 : 4;
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), r, r);
    const double d = f == Face::Down ? 1 : 0;
    QRectF box(d, d, w, h);
    if (!mark.isEmpty()) {
        // A glyph in front of the caption, the pair centred together.
        p.setFont(uiFont(px, true));
        const int textWidth = p.fontMetrics().horizontalAdvance(text);
        const int markWidth = px + 4;
        const double left = (w - textWidth - markWidth) / 2.0 + d;
        glyphText(p, QRectF(left, d, markWidth, h), mark, px + 4, true);
        box = QRectF(left + markWidth, d, textWidth + 2, h);
    }
    glyphText(p, box, text, px, true);
    return image;
}

QImage playerButton(Face f, const QString &kind)
{
    QImage image = blank(25, 25);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = f == Face::Hot ? QColor(0x3b, 0x64, 0x9e) : QColor(0x26, 0x3c, 0x5e);
    if (f == Face::Down)
        fill = QColor(0x1b, 0x2c, 0x46);
    p.setPen(QPen(f == Face::Hot ? kAccentLight : QColor(0x46, 0x63, 0x8f), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 24, 24), 5, 5);
    const double d = f == Face::Down ? 0.5 : 0;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    if (kind == QLatin1String("play")) {
        QPainterPath tri;
        tri.moveTo(9.5 + d, 7 + d);
        tri.lineTo(18 + d, 12.5 + d);
        tri.lineTo(9.5 + d, 18 + d);
        tri.closeSubpath();
        p.drawPath(tri);
    } else if (kind == QLatin1String("pause")) {
        p.drawRoundedRect(QRectF(8 + d, 7.5 + d, 3.2, 10), 1, 1);
        p.drawRoundedRect(QRectF(13.8 + d, 7.5 + d, 3.2, 10), 1, 1);
    } else {
        p.drawRoundedRect(QRectF(8 + d, 8 + d, 9, 9), 1.5, 1.5);
    }
    return image;
}

void makeButtons()
{
    saveFaces(QStringLiteral("btnWindowMinimize"),
              [](Face f) { return frameButton(f, QStringLiteral("min"), false); });
    saveFaces(QStringLiteral("btnWindowClose"),
              [](Face f) { return frameButton(f, QStringLiteral("close"), true); });

    saveFaces(QStringLiteral("btnHomePage"), [](Face f) { return roundButton(f, glyphHome); });
    saveFaces(QStringLiteral("btnEMail"), [](Face f) { return roundButton(f, glyphMail); });
    saveFaces(QStringLiteral("btnHelp"), [](Face f) {
        return roundButton(f, [](QPainter &p, QPointF c, double) {
            glyphText(p, QRectF(c.x() - 20, c.y() - 20, 40, 40), QStringLiteral("?"), 24, true);
        });
    });
    saveFaces(QStringLiteral("btnAbout"), [](Face f) {
        return roundButton(f, [](QPainter &p, QPointF c, double) {
            QFont serif(QStringLiteral("Liberation Serif"));
            serif.setPixelSize(26);
            serif.setBold(true);
            serif.setItalic(true);
            p.setFont(serif);
            p.setPen(Qt::white);
            p.drawText(QRectF(c.x() - 20, c.y() - 20, 40, 40), Qt::AlignCenter,
                       QStringLiteral("i"));
        });
    });

    const QColor blue(0x35, 0x63, 0xa3);
    saveFaces(QStringLiteral("btnOptions"), [&](Face f) {
        return textButton(f, 70, 20, QStringLiteral("Options"), blue, 11);
    });
    saveFaces(QStringLiteral("chooseFolderButton"), [&](Face f) {
        return textButton(f, 70, 20, QStringLiteral("Browse..."), blue, 11);
    });
    saveFaces(QStringLiteral("btnOpenFile"), [&](Face f) {
        return textButton(f, 110, 30, QStringLiteral("Add Files"), blue, 13, QStringLiteral("+"));
    });
    saveFaces(QStringLiteral("btnRemoveFile"), [&](Face f) {
        return textButton(f, 110, 30, QStringLiteral("Remove"), blue, 13,
                          QString(QChar(0x2212)));
    });
    saveFaces(QStringLiteral("btnClearFile"), [&](Face f) {
        return textButton(f, 110, 30, QStringLiteral("Clear"), blue, 13, QString(QChar(0xd7)));
    });
    saveFaces(QStringLiteral("btnConvert"), [&](Face f) {
        return textButton(f, 110, 40, QStringLiteral("Convert"), kGreen, 15,
                          QString(QChar(0x25b6)));
    });

    for (const char *kind : {"play", "pause", "stop"}) {
        const QString k = QLatin1String(kind);
        const QString name = QStringLiteral("btn") + k.left(1).toUpper() + k.mid(1);
        saveFaces(name, [&](Face f) { return playerButton(f, k); });
    }
}

// ---- player pieces: the position display's frame and the trim handles -------------------

void makePlayerPieces()
{
    QImage frame = blank(136, 38);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x46, 0x63, 0x8f), 1));
    p.setBrush(QColor(0x1d, 0x2d, 0x46));
    p.drawRoundedRect(QRectF(0.5, 4.5, 135, 29), 6, 6);
    // The well that the position display (81 x 17 at 25, 11) sits in.
    p.setPen(QPen(QColor(0x0b, 0x12, 0x1e), 1));
    p.setBrush(QColor(0x0b, 0x12, 0x1e));
    p.drawRoundedRect(QRectF(22.5, 8.5, 86, 22), 3, 3);
    p.end();
    save(frame, QStringLiteral("main/imgPlay.png"));

    // Trim handles: black is the colour the strip leaves out.
    for (bool left : {true, false}) {
        QImage handle = canvas(17, 19, QImage::Format_RGB32);
        handle.fill(Qt::black);
        QPainter hp(&handle);
        hp.setRenderHint(QPainter::Antialiasing, false);
        hp.setPen(Qt::NoPen);
        hp.setBrush(kAccent);
        QPainterPath tri;
        if (left) {
            tri.moveTo(3, 2);
            tri.lineTo(14, 9.5);
            tri.lineTo(3, 17);
        } else {
            tri.moveTo(14, 2);
            tri.lineTo(3, 9.5);
            tri.lineTo(14, 17);
        }
        tri.closeSubpath();
        hp.drawPath(tri);
        hp.setBrush(QColor(0x1e, 0x33, 0x55));
        hp.drawRect(left ? 2 : 14, 1, 1, 17);
        hp.end();
        save(handle, left ? QStringLiteral("main/imgL.png") : QStringLiteral("main/imgR.png"));
    }
}

// ---- the progress dialog ------------------------------------------------------------------

void makeConvertingWindow()
{
    const int w = 435, h = 205;
    QImage image = canvas(w, h, QImage::Format_RGB32);
    image.fill(kTransparentKey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The outline: a rounded rectangle drawn without smoothing, so every pixel is either
    // inside the shape or exactly the key colour.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), 12, 12);
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0, kBodyTop);
    body.setColorAt(1, kBodyBottom);
    p.fillPath(outline, body);

    // Header band behind the busy text, closed by the accent line.
    p.setClipPath(outline);
    QLinearGradient header(0, 0, 0, 34);
    header.setColorAt(0, kHeaderTop);
    header.setColorAt(1, kHeaderBottom);
    p.fillRect(QRect(0, 0, w, 34), header);
    p.fillRect(QRect(0, 34, w, 2), kAccent);

    // Wells behind the two bars and the file name.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kInset);
    p.drawRoundedRect(QRectF(10, 40, w - 20, 22), 5, 5);
    p.drawRoundedRect(QRectF(10, 66, w - 20, 50), 5, 5);

    // A faint mark on the right of the header.
    p.setFont(uiFont(11, true));
    p.setPen(QColor(0x7f, 0xb4, 0xf0, 150));
    p.drawText(QRect(0, 0, w - 16, 34), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Clipwright"));

    // Thin edge so the shape reads on any desktop.
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x3a, 0x55, 0x80));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.end();

    // Every pixel outside the outline is key again after the edge stroke.
    if (g_scale == 1) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (!outline.contains(QPointF(x + 0.5, y + 0.5)))
                    image.setPixel(x, y, kTransparentKey.rgb());
    }
    saveKeyed(image, QStringLiteral("converting/background.png"), kTransparentKey);

    // The Stop button: a stop square and the word on muted red.
    for (Face face : {Face::Up, Face::Hot, Face::Down}) {
        const int bw = 100, bh = 26;
        QImage button = blank(bw, bh);
        QPainter bp(&button);
        bp.setRenderHint(QPainter::Antialiasing, true);
        const QRectF box = face == Face::Down ? QRectF(1.5, 1.5, bw - 2, bh - 2)
                                              : QRectF(0.5, 0.5, bw - 2, bh - 2);
        QColor top = kStopTop;
        QColor bottom = kStopBottom;
        if (face == Face::Hot) {
            top = top.lighter(118);
            bottom = bottom.lighter(118);
        } else if (face == Face::Down) {
            std::swap(top, bottom);
            top = top.darker(110);
        }
        QLinearGradient fill(0, 0, 0, bh);
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        bp.setPen(QPen(QColor(0x5e, 0x1a, 0x15), 1));
        bp.setBrush(fill);
        bp.drawRoundedRect(box, 6, 6);
        const QPointF offset = box.topLeft() - QPointF(0.5, 0.5);
        bp.setPen(Qt::NoPen);
        bp.setBrush(Qt::white);
        bp.drawRoundedRect(QRectF(22, 8, 10, 10).translated(offset), 1.5, 1.5);
        bp.setPen(Qt::white);
        bp.setFont(uiFont(13, true));
        bp.drawText(QRectF(38, 0, 50, bh - 2).translated(offset), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("Stop"));
        bp.end();
        save(button, QStringLiteral("converting/btnStop_%1.png").arg(QLatin1String(faceName(face))));
    }
}

// ---- the busy window and the splash ---------------------------------------------------------

void makeBusyWindow()
{
    QImage image = canvas(273, 45, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 45);
    g.setColorAt(0, kHeaderTop);
    g.setColorAt(1, kBodyBottom);
    p.fillRect(QRect(0, 0, 273, 45), g);
    p.setPen(kAccent);
    p.drawRect(0, 0, 272, 44);
    p.fillRect(QRect(1, 1, 271, 3), kAccent);
    p.end();
    save(image, QStringLiteral("busy/background.png"));
}

void makeSplash()
{
    const int w = 353, h = 190;
    QImage image = canvas(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, kHeaderTop);
    g.setColorAt(1, kBodyBottom);
    p.fillRect(QRect(0, 0, w, h), g);
    // A soft light behind the mark.
    QRadialGradient glow(QPointF(70, 80), 90);
    glow.setColorAt(0, QColor(0x4a, 0x90, 0xe2, 90));
    glow.setColorAt(1, QColor(0x4a, 0x90, 0xe2, 0));
    p.fillRect(QRect(0, 0, w, h), glow);

    drawLogo(p, QRectF(32, 46, 64, 64));
    p.setPen(Qt::white);
    p.setFont(uiFont(36, true));
    p.drawText(QRectF(112, 40, 230, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Clipwright"));
    p.setPen(kTextSoft);
    p.setFont(uiFont(14, false));
    p.drawText(QRectF(114, 84, 230, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Video and audio for your phone"));
    p.setFont(uiFont(11, false));
    p.drawText(QRectF(114, 104, 230, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("3GP  \u00b7  3G2  \u00b7  MP4  \u00b7  AMR  \u00b7  AAC  \u00b7  MP3"));

    p.fillRect(QRect(0, h - 34, w, 1), QColor(0x4a, 0x90, 0xe2, 120));
    p.setPen(QColor(0x9d, 0xae, 0xc7));
    p.setFont(uiFont(11, false));
    p.drawText(QRectF(16, h - 30, w - 32, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Starting..."));
    p.setPen(kAccent);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.end();
    save(image, QStringLiteral("splash.jpg"), "JPEG", 90);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <resources/skin folder>\n", argv[0]);
        return 2;
    }
    g_outDir = args.at(1);
    for (int scale : {1, 2}) {
        g_scale = scale;
        makeBackground();
        makeButtons();
        makePlayerPieces();
        makeBusyWindow();
        makeConvertingWindow();
        makeSplash();
    }
    return g_failures == 0 ? 0 : 1;
}
