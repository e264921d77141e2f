#include "shell/PictureButton.h"

#include "shell/SkinPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    // Reached with Tab (Space presses it); a click does not move the focus, as the
    // pictures have no room for a focus mark that the mouse user would not want.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

QPixmap PictureButton::withOliveTransparent(const QImage &picture)
{
    if (picture.isNull() || picture.hasAlphaChannel())
        return QPixmap::fromImage(picture);
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb olive = qRgb(0x80, 0x80, 0x00);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00ffffff) == (olive & 0x00ffffff))
                line[x] = 0;
        }
    }
    return QPixmap::fromImage(image);
}

void PictureButton::setSkin(const QString &base)
{
    auto load = [&](const char *face) {
        return withOliveTransparent(
            SkinPixmap(QStringLiteral(":/skin/%1_%2.png").arg(base, QLatin1String(face)))
                .toImage());
    };
    setPictures(load("up"), load("hot"), load("down"));
}

void PictureButton::setPictures(const QPixmap &up, const QPixmap &hot, const QPixmap &down)
{
    m_up = up;
    m_hot = hot.isNull() ? up : hot;
    m_down = down.isNull() ? m_hot : down;
    if (!m_up.isNull())
        resize(m_up.deviceIndependentSize().toSize());
    update();
}

void PictureButton::setCaption(const QString &caption, const QString &mark, int pixelSize)
{
    m_caption = caption;
    m_mark = mark;
    m_captionPixelSize = pixelSize;
    if (accessibleName().isEmpty())
        setAccessibleName(caption);
    update();
}

void PictureButton::setHint(const QString &hint, bool shown)
{
    m_hint = hint;
    setToolTip(shown ? hint : QString());
}

QSize PictureButton::sizeHint() const
{
    return m_up.isNull() ? QSize(25, 25) : m_up.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPixmap &face = isDown() ? m_down : (m_mouseOver && isEnabled() ? m_hot : m_up);
    if (!isEnabled()) {
        p.setOpacity(0.45);
    }
    if (!face.isNull())
        p.drawPixmap(rect(), face);
    if (!m_caption.isEmpty())
        paintCaption(p);
    if (hasFocus()) {
        // The focus mark: a light dotted frame inside the picture's edge, seen on the dark
        // skin and on the light buttons alike.
        p.setOpacity(1.0);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QRect frame = rect().adjusted(1, 1, -2, -2);
        p.setPen(QPen(QColor(0x1a, 0x27, 0x3b), 1));
        p.drawRect(frame);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(frame);
    }
}

void PictureButton::paintCaption(QPainter &p)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    const int room = width() - 10;
    int px = m_captionPixelSize;
    int markWidth = 0, textWidth = 0;
    // Longer captions (German, Russian, French) are made smaller before they are cut.
    for (;; --px) {
        font.setPixelSize(px);
        const QFontMetrics metrics(font);
        markWidth = m_mark.isEmpty() ? 0 : px + 4;
        textWidth = metrics.horizontalAdvance(m_caption);
        if (markWidth + textWidth <= room || px <= 9)
            break;
    }
    QString text = m_caption;
    if (markWidth + textWidth > room) {
        text = QFontMetrics(font).elidedText(m_caption, Qt::ElideRight, room - markWidth);
        textWidth = QFontMetrics(font).horizontalAdvance(text);
    }
    const int shift = isDown() ? 1 : 0;
    const qreal left = (width() - markWidth - textWidth) / 2.0 + shift;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    if (!m_mark.isEmpty()) {
        QFont markFont = font;
        markFont.setPixelSize(px + 4);
        p.setFont(markFont);
        p.drawText(QRectF(left, shift, markWidth, height()), Qt::AlignCenter, m_mark);
    }
    p.setFont(font);
    p.drawText(QRectF(left + markWidth, shift, textWidth + 2, height()), Qt::AlignCenter, text);
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    m_mouseOver = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event)
{
    m_mouseOver = false;
    update();
    QAbstractButton::leaveEvent(event);
}
