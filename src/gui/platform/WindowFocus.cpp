#include "platform/WindowFocus.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace WindowFocus {

void TakeWhenShown(QWidget *window)
{
    if (!window)
        return;
    // Once the window is mapped: asked for before, the request is lost.
    QPointer<QWidget> target(window);
    QTimer::singleShot(0, window, [target] {
        if (target && target->isVisible()) {
            target->raise();
            target->activateWindow();
        }
    });
}

void GiveBack(QWidget *window)
{
    if (window && window->isVisible() && window->isEnabled())
        TakeWhenShown(window->window());
}

} // namespace WindowFocus
