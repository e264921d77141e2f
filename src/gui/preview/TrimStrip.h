#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

class TrimStripModel;

// The trim strip (Panel1) below the video window: from left to right the left image
// (Panel2), the start handle (Splitter1), the middle image (Panel4), the end handle
// (Splitter2) and the right image (Panel3), laid out from the model's widths. Handles are
// dragged with the left button; clicks on the outer images step a handle toward the click.
// tmrPaintSP asks both handle faces to draw themselves every 10 ms; a face paints only
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

    QWidget *Panel2() const { return m_panel2; }
    QWidget *Splitter1() const { return m_splitter1; }
    QWidget *Panel4() const { return m_panel4; }
    QWidget *Splitter2() const { return m_splitter2; }
    QWidget *Panel3() const { return m_panel3; }
    QTimer &tmrPaintSP() { return m_tmrPaintSP; }
    TrimStripModel *model() const { return m_model; }

    // The handles' pictures (imgL, imgR): 17 x 19, black is left out.
    static QImage imgL();
    static QImage imgR();

public Q_SLOTS:
    // Draws both handle faces, each only if what it shows has changed.
    void tmrPaintSPTimer();

private:
    void layoutParts();

    TrimStripModel *m_model = nullptr;
    QWidget *m_panel2;
    QWidget *m_splitter1;
    QWidget *m_panel4;
    QWidget *m_splitter2;
    QWidget *m_panel3;
    QTimer m_tmrPaintSP;
};
