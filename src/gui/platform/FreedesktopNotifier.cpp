#include "platform/FreedesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection &bus) : m_bus(bus) {}

void FreedesktopNotifier::Notify(const QString &summary, const QString &body)
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("clipwright"));
    // Application name, no notification to replace, icon, texts, no actions, hints, and
    // the server's own display time.
    call << QStringLiteral("Clipwright") << uint(0) << QStringLiteral("clipwright") << summary
         << body << QStringList() << hints << int(-1);
    m_bus->asyncCall(call);
}
