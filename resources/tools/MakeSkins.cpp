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

#include "SkinKit.h"
#include "OtherSkins.h"

namespace skins {

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

    // The window writes the short line beside the web buttons and the hint under the list
    // in the user's language.
    p.end();
    // The key colour marks the outside of the window, in each picture's own pixels: the
    // window takes its outline from the picture for the screen's scale.
    save(image, QStringLiteral("main/background.png"));

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

// A button face without its caption: the window draws the caption in the user's language.
QImage captionButton(Face f, int w, int h, const QColor &base)
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
        return captionButton(f, 70, 20, blue);
    });
    saveFaces(QStringLiteral("chooseFolderButton"), [&](Face f) {
        return captionButton(f, 70, 20, blue);
    });
    saveFaces(QStringLiteral("btnOpenFile"), [&](Face f) {
        return captionButton(f, 110, 30, blue);
    });
    saveFaces(QStringLiteral("btnRemoveFile"), [&](Face f) {
        return captionButton(f, 110, 30, blue);
    });
    saveFaces(QStringLiteral("btnClearFile"), [&](Face f) {
        return captionButton(f, 110, 30, blue);
    });
    saveFaces(QStringLiteral("btnConvert"), [&](Face f) {
        return captionButton(f, 110, 40, kGreen);
    });

    for (const char *kind : {"play", "pause", "stop"}) {
        const QString k = QLatin1String(kind);
        const QString name = QStringLiteral("btn") + k.left(1).toUpper() + k.mid(1);
        saveFaces(name, [&](Face f) { return playerButton(f, k); });
    }
}

} // namespace skins

using namespace skins;

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
