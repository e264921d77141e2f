#include "preview/TrimStrip.h"

#include "preview/TrimMath.h"
#include "preview/TrimStripModel.h"
#include "shell/SkinPicture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kPaintIntervalMs = 10;

// The picture of one part of the strip, stretched over it: muted for time outside the
// range, lit for time inside it.
class StripImage : public QWidget
{
public:
    StripImage(const QString &name, bool inRange, std::function<void(QMouseEvent *)> onDown,
               QWidget *parent)
        : QWidget(parent)
        , m_inRange(inRange)
        , m_onDown(std::move(onDown))
    {
        setObjectName(name);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        static const QImage outside = picture(false);
        static const QImage inside = picture(true);
        QPainter p(this);
        p.drawImage(rect(), m_inRange ? inside : outside);
    }
    void mousePressEvent(QMouseEvent *e) override { m_onDown(e); }
    // A double click counts as a click.
    void mouseDoubleClickEvent(QMouseEvent *e) override { m_onDown(e); }

private:
    static QImage picture(bool inRange)
    {
        QImage img(8, TrimStrip::kHeight, QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, img.height());
        if (inRange) {
            g.setColorAt(0, QColor(0x7f, 0xb4, 0xf0));
            g.setColorAt(0.5, QColor(0x4a, 0x90, 0xe2));
            g.setColorAt(1, QColor(0x2c, 0x5f, 0xa8));
        } else {
            g.setColorAt(0, QColor(0x4a, 0x50, 0x5e));
            g.setColorAt(1, QColor(0x2e, 0x32, 0x3c));
        }
        p.fillRect(img.rect(), g);
        p.setPen(TrimStrip::StripColor().darker(130));
        p.drawLine(0, 0, img.width(), 0);
        p.drawLine(0, img.height() - 1, img.width(), img.height() - 1);
        return img;
    }

    bool m_inRange;
    std::function<void(QMouseEvent *)> m_onDown;
};

// A trim handle: its face is the handle's picture stretched over it, black left out so the
// button-face background shows. Dragged with the left button; Esc ends a drag.
class Handle : public QWidget
{
public:
    Handle(const QString &name, const QImage &face, std::function<int()> width,
           std::function<void(int)> drag, std::function<void()> done,
           std::function<void(int)> step, bool growsRight, QWidget *parent)
        : QWidget(parent)
        , m_width(std::move(width))
        , m_drag(std::move(drag))
        , m_done(std::move(done))
        , m_step(std::move(step))
        , m_growsRight(growsRight)
    {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        // The face fills the handle; at a scale above 100% the 200% picture fills it at the
        // screen's own pixels, so its edges stay sharp.
        // Black is the picture's see-through colour; it becomes transparent before scaling,
        // so smooth scaling (at 150%) blends the triangle's edges instead of stepping them.
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : face.devicePixelRatio();
        QImage clear = face.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < clear.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(clear.scanLine(y));
            for (int x = 0; x < clear.width(); ++x) {
                if ((line[x] & 0x00ffffff) == 0)
                    line[x] = 0;
            }
        }
        const QSize pixels = (QSizeF(TrimMath::kHandleWidth, TrimStrip::kHeight) * ratio).toSize();
        QImage sized = clear.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sized.setDevicePixelRatio(ratio);
        m_face = QPixmap::fromImage(sized);
    }

    // Draws the face again when what it shows has changed since it was last painted; a
    // face that is already on the screen as it should be is left alone.
    void drawFace()
    {
        if (!m_painted || look() != m_shown)
            update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        m_shown = look();
        m_painted = true;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.fillRect(rect(), palette().color(QPalette::Button));
        p.drawPixmap(rect(), m_face);
        if (hasFocus()) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        m_dragging = true;
        m_pressX = e->globalPosition().x();
        m_pressWidth = m_width();
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (!m_dragging)
            return;
        const int dx = qRound(e->globalPosition().x() - m_pressX);
        m_drag(m_growsRight ? m_pressWidth + dx : m_pressWidth - dx);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            finish();
    }
    // With the focus, Left and Right move the handle by a second of the file (ten with
    // Shift), Home and End to the ends of the strip.
    void keyPressEvent(QKeyEvent *e) override
    {
        const int by = e->modifiers() & Qt::ShiftModifier ? 10 : 1;
        switch (e->key()) {
        case Qt::Key_Escape:
            if (!m_dragging)
                break;
            finish();
            return;
        case Qt::Key_Left: m_step(-by); return;
        case Qt::Key_Right: m_step(by); return;
        case Qt::Key_Home: m_step(-TrimStripModel::kToEnd); return;
        case Qt::Key_End: m_step(TrimStripModel::kToEnd); return;
        default: break;
        }
        QWidget::keyPressEvent(e);
    }
    // The focused handle carries a dotted frame in the strip's contrast colour.
    void focusInEvent(QFocusEvent *e) override { QWidget::focusInEvent(e); update(); }
    void focusOutEvent(QFocusEvent *e) override { QWidget::focusOutEvent(e); update(); }

private:
    // What a painted face depends on besides its fixed picture: its size and the
    // button-face colour behind it. A moved handle is repainted by its move.
    struct Look
    {
        QSize size;
        QRgb background = 0;
        bool operator==(const Look &) const = default;
    };
    Look look() const { return {size(), palette().color(QPalette::Button).rgba()}; }

    void finish()
    {
        if (!m_dragging)
            return;
        m_dragging = false;
        m_done();
    }

    QPixmap m_face;
    Look m_shown;
    bool m_painted = false;
    std::function<int()> m_width;
    std::function<void(int)> m_drag;
    std::function<void()> m_done;
    std::function<void(int)> m_step;
    bool m_growsRight;
    bool m_dragging = false;
    qreal m_pressX = 0;
    int m_pressWidth = 0;
};

} // namespace

TrimStrip::TrimStrip(TrimStripModel &model, QWidget *parent)
    : TrimStrip(parent)
{
    bind(model);
}

TrimStrip::TrimStrip(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("trimStripWidget"));
    setFixedSize(TrimMath::kStripWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, StripColor());
    setPalette(pal);

    m_leftPart = new StripImage(QStringLiteral("leftPart"), false, [this](QMouseEvent *e) {
        if (m_model) m_model->leftPartPressed(e->button(), e->modifiers());
    }, this);
    m_middlePart = new StripImage(QStringLiteral("middlePart"), true, [this](QMouseEvent *e) {
        if (m_model) m_model->middlePartPressed(e->button(), e->modifiers());
    }, this);
    m_rightPart = new StripImage(QStringLiteral("rightPart"), false, [this](QMouseEvent *e) {
        if (m_model) m_model->rightPartPressed(e->button(), e->modifiers());
    }, this);
    m_startHandle = new Handle(
        QStringLiteral("startHandle"), imgL(), [this] { return m_model ? m_model->Left() : 1; },
        [this](int w) { if (m_model) m_model->DragStartHandle(w); },
        [this] { if (m_model) m_model->EndStartHandleDrag(); },
        [this](int seconds) { if (m_model) m_model->StepStartHandle(seconds); },
        true, this);
    m_endHandle = new Handle(
        QStringLiteral("endHandle"), imgR(), [this] { return m_model ? m_model->Right() : 1; },
        [this](int w) { if (m_model) m_model->DragEndHandle(w); },
        [this] { if (m_model) m_model->EndEndHandleDrag(); },
        [this](int seconds) { if (m_model) m_model->StepEndHandle(seconds); },
        false, this);

    // Screen readers name the handles after the times they set.
    m_startHandle->setAccessibleName(tr("Start Time"));
    m_endHandle->setAccessibleName(tr("End Time"));
    layoutParts();

    m_repaintTimer.setInterval(kPaintIntervalMs);
    connect(&m_repaintTimer, &QTimer::timeout, this, &TrimStrip::repaintHandles);
    m_repaintTimer.start();
}

void TrimStrip::bind(TrimStripModel &model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = &model;
    connect(m_model, &TrimStripModel::geometryChanged, this, &TrimStrip::layoutParts);
    connect(m_model, &TrimStripModel::endFaceDrawRequested, this,
            [this] { static_cast<Handle *>(m_endHandle)->drawFace(); });
    layoutParts();
}

QImage TrimStrip::imgL()
{
    return SkinPixmap(QStringLiteral(":/skin/main/imgL.png")).toImage();
}

QImage TrimStrip::imgR()
{
    return SkinPixmap(QStringLiteral(":/skin/main/imgR.png")).toImage();
}

void TrimStrip::repaintHandles()
{
    static_cast<Handle *>(m_startHandle)->drawFace();
    static_cast<Handle *>(m_endHandle)->drawFace();
}

void TrimStrip::layoutParts()
{
    using namespace TrimMath;
    const int left = m_model ? qMax(0, m_model->Left()) : 1;
    const int right = m_model ? qMax(0, m_model->Right()) : 1;
    const int endX = kStripWidth - right - kHandleWidth;
    m_leftPart->setGeometry(0, 0, left, kHeight);
    m_startHandle->setGeometry(left, 0, kHandleWidth, kHeight);
    m_middlePart->setGeometry(left + kHandleWidth, 0, qMax(0, endX - left - kHandleWidth), kHeight);
    m_endHandle->setGeometry(endX, 0, kHandleWidth, kHeight);
    m_rightPart->setGeometry(endX + kHandleWidth, 0, right, kHeight);
}
