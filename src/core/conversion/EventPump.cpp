#include "conversion/EventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace EventPump {

void ProcessPending()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitFor(int ms)
{
    if (ms <= 0) {
        ProcessPending();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void Waiter::WaitFor(int ms)
{
    // A wake ends one wait only, so a caller that waits again sleeps again.
    if (m_woken) {
        m_woken = false;
    } else if (ms > 0) {
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &m_loop, &QEventLoop::quit);
        timer.start(ms);
        m_loop.exec();
        m_woken = false;
    }
    ProcessPending();
}

void Waiter::Wake()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_woken = true;
            m_loop.quit();
        },
        Qt::QueuedConnection);
}

} // namespace EventPump
