#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

class TrimStripModel;

// The trim strip (trimStripWidget) below the video window: from left to right the left image
// (leftPart), the start handle (startHandle), the middle image (middlePart), the end handle
// (endHandle) and the right image (rightPart), laid out from the model's widths. Handles are
// dragged with the left button; clicks on the outer images step a handle toward the click.
// repaintTimer asks both handle faces to draw themselves every 10 ms; a face paints only
// when what it shows has changed, so an idle strip costs no drawing.
class TrimStrip : public QWidget
{
    Q_OBJECT

public:
    // A strip without a model draws its parts at their start widths and ignores the mouse
    // until bind() is called.
    explicit TrimStrip(QWidget *parent = nullptr);
    TrimStrip(TrimStripModel &model, QWidget *parent = nullptr);

    // Follows model from now on: its widths place the parts, the mouse drives it.
    void bind(TrimStripModel &model);

    static constexpr int kHeight = 19;
    // The strip's colour, a dark slate grey.
    static QColor StripColor() { return QColor(0x3d, 0x41, 0x4d); }

    QWidget *leftPart() const { return m_leftPart; }
    QWidget *startHandle() const { return m_startHandle; }
    QWidget *middlePart() const { return m_middlePart; }
    QWidget *endHandle() const { return m_endHandle; }
    QWidget *rightPart() const { return m_rightPart; }
    QTimer &repaintTimer() { return m_repaintTimer; }
    TrimStripModel *model() const { return m_model; }

    // The handles' pictures (imgL, imgR): 17 x 19, black is left out.
    static QImage imgL();
    static QImage imgR();

public Q_SLOTS:
    // Draws both handle faces, each only if what it shows has changed.
    void repaintHandles();

private:
    void layoutParts();

    TrimStripModel *m_model = nullptr;
    QWidget *m_leftPart;
    QWidget *m_startHandle;
    QWidget *m_middlePart;
    QWidget *m_endHandle;
    QWidget *m_rightPart;
    QTimer m_repaintTimer;
};
