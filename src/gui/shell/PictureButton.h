#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QPainter;

// A button drawn from three pictures: up, hot (mouse over) and down. Olive pixels of a
// picture without its own transparency are transparent. Its hint is shown as a tool tip
// unless the window keeps the hint to itself. Tab reaches it, and a dotted frame marks it
// while it has the focus.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

    // Loads the three pictures ":/skin/<base>_up.png", "_hot.png" and "_down.png" and takes
    // the up picture's size.
    void setSkin(const QString &base);
    void setPictures(const QPixmap &up, const QPixmap &hot, const QPixmap &down);

    // A caption drawn over the pictures in the user's language, with a mark (a glyph such
    // as "+") in front; both centred, the caption made smaller down to 9 px, then elided,
    // where it would not fit. The caption also names the button to screen readers.
    void setCaption(const QString &caption, const QString &mark = QString(), int pixelSize = 13);
    const QString &caption() const { return m_caption; }

    // The hint text as stored; shown as the tool tip only when shown is true.
    void setHint(const QString &hint, bool shown = true);
    const QString &hint() const { return m_hint; }

    QSize sizeHint() const override;

    // Turns olive (#808000) pixels of a picture without an alpha channel transparent.
    static QPixmap withOliveTransparent(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paintCaption(QPainter &p);

    QPixmap m_up;
    QPixmap m_hot;
    QPixmap m_down;
    QString m_hint;
    QString m_caption;
    QString m_mark;
    int m_captionPixelSize = 13;
    bool m_mouseOver = false;
};
