// The pictures of the player pieces, the progress dialog, the busy window and the splash.
#include "OtherSkins.h"
#include "SkinKit.h"

namespace skins {

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
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!outline.contains(QPointF((x + 0.5) / g_scale, (y + 0.5) / g_scale)))
                image.setPixel(x, y, kTransparentKey.rgb());
    save(image, QStringLiteral("converting/background.png"));

    // The Stop button: muted red, its square and word drawn by the dialog.
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
        // The dialog draws the square and the word in the user's language.
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
    // The splash window writes the short line under the name and "Starting..." in the
    // user's language.
    p.setPen(kTextSoft);
    p.setFont(uiFont(11, false));
    p.drawText(QRectF(114, 104, 230, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("3GP  \u00b7  3G2  \u00b7  MP4  \u00b7  AMR  \u00b7  AAC  \u00b7  MP3"));

    p.fillRect(QRect(0, h - 34, w, 1), QColor(0x4a, 0x90, 0xe2, 120));
    p.setPen(kAccent);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.end();
    save(image, QStringLiteral("splash.jpg"), "JPEG", 90);
}

} // namespace skins
