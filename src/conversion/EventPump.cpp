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

} // namespace EventPump
