#pragma once

#include <QImage>
#include <QObject>
#include <QWidget>


// The outline of a skinned window: the pixels of its background picture that are not the
// picture's key colour, the colour of its bottom-left pixel. Qt's mask is in the window's
// own pixels, which at 150% or 200% makes stair steps of the rounded corners; on X11 the
// outline is therefore also set in the screen's pixels, from the sharpest picture at hand
// scaled smoothly, whenever the window is shown or moves to another screen.
class WindowOutline : public QObject
{
    Q_OBJECT

public:
    // Keeps window's outline to picture (a skin picture; one drawn for 200% carries a
    // device pixel ratio of 2), replacing the outline kept before.
    static void Keep(QWidget *window, const QImage &picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowOutline(QWidget *window, const QImage &picture);
    // The window is the outline's parent.
    QWidget *window() const { return static_cast<QWidget *>(parent()); }
    // The picture's outline at size (in pixels): 255 inside, 0 outside.
    static QImage Coverage(const QImage &picture, const QSize &size);
    void applyInScreenPixels();

    QImage m_picture;
};
