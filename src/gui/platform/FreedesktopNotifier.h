#pragma once

#include "platform/IDesktopNotifier.h"

#include <QDBusConnection>

#include <optional>

// Desktop notifications through org.freedesktop.Notifications on the session bus. Without
// the bus or the service nothing is shown; the call never waits for an answer.
class FreedesktopNotifier : public IDesktopNotifier
{
public:
    // Asks on the session bus, connected on first use.
    FreedesktopNotifier() = default;
    // Asks on bus instead (tests hand in a bus of their own).
    explicit FreedesktopNotifier(const QDBusConnection &bus);

    void Notify(const QString &summary, const QString &body) override;

private:
    std::optional<QDBusConnection> m_bus;
};
