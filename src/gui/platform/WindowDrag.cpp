#include "platform/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget *window) : QObject(window), m_window(window) {}

void WindowDrag::AddHandle(QWidget *part)
{
    part->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // The press before it has started the move already.
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // The window manager moves the window until the release, and only once per press:
        // a second request after the release would leave the window on the pointer. The
        // request carries the pointer's place as Qt maps it; while that disagrees with the
        // place the display reported (a window manager still adopting the window), the
        // window would jump by the difference, so it follows the pointer itself instead.
        QWindow *handle = m_window->windowHandle();
        const QPoint reported = mouse->globalPosition().toPoint();
        if (handle && handle->mapToGlobal(mouse->scenePosition().toPoint()) == reported &&
            handle->startSystemMove()) {
            m_following = false;
            return true;
        }
        // Otherwise (no window manager, or the mismatch) it follows the pointer itself.
        m_following = true;
        m_grabOffset = reported - m_window->pos();
        return true;
    }
    case QEvent::MouseMove:
        if (m_following) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->buttons() & Qt::LeftButton)
                m_window->move(mouse->globalPosition().toPoint() - m_grabOffset);
            else
                m_following = false;
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_following && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_following = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
