#include "platform/LogindSleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

LogindSleepInhibitor::LogindSleepInhibitor(QObject *parent) : QObject(parent) {}

LogindSleepInhibitor::LogindSleepInhibitor(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
}

LogindSleepInhibitor::~LogindSleepInhibitor()
{
    Release();
}

void LogindSleepInhibitor::Inhibit(const QString &why)
{
    m_wanted = true;
    if (m_lock.isValid() || m_asking)
        return;
    if (!m_bus)
        m_bus = QDBusConnection::systemBus();
    if (!m_bus->isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Clipwright") << why
         << QStringLiteral("block");
    m_asking = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        m_asking = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        // Refused or no logind: the batch runs all the same, only without the hold.
        if (reply.isError())
            return;
        // The work ended while the answer was on its way: the lock closes with the reply.
        if (m_wanted)
            m_lock = reply.value();
    });
}

void LogindSleepInhibitor::Release()
{
    m_wanted = false;
    // Closing the last copy of the descriptor gives the lock back.
    m_lock = QDBusUnixFileDescriptor();
}
