#include "platform/ScreenSaverInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QCoreApplication>

namespace {

QDBusMessage screenSaverCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), method);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject *parent)
    : QObject(parent)
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    m_wanted = false;
    release();
}

void ScreenSaverInhibitor::setInhibited(bool inhibited)
{
    if (inhibited == m_wanted)
        return;
    m_wanted = inhibited;
    if (!inhibited) {
        release();
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("Clipwright") << QCoreApplication::translate("ScreenSaverInhibitor", "Playing a preview");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        QDBusPendingReply<uint> reply = *w;
        if (reply.isError())
            return;
        m_cookie = reply.value();
        m_haveCookie = true;
        // The preview stopped while the answer was on its way.
        if (!m_wanted)
            release();
    });
}

void ScreenSaverInhibitor::release()
{
    if (!m_haveCookie)
        return;
    m_haveCookie = false;
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << m_cookie;
    QDBusConnection::sessionBus().asyncCall(call);
}
