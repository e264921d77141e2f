#pragma once

#include "platform/ISleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

#include <optional>

// A sleep hold of systemd-logind: Inhibit("sleep", "Clipwright", why, "block") on the system
// bus gives a file descriptor that holds the lock until it is closed. Calls never wait for
// the bus; a release asked for before the answer arrived closes the descriptor on arrival.
class LogindSleepInhibitor : public QObject, public ISleepInhibitor
{
    Q_OBJECT

public:
    // Asks logind on the system bus, connected on first use.
    explicit LogindSleepInhibitor(QObject *parent = nullptr);
    // Asks on bus instead (tests hand in a bus of their own).
    explicit LogindSleepInhibitor(const QDBusConnection &bus, QObject *parent = nullptr);
    ~LogindSleepInhibitor() override;

    void Inhibit(const QString &why) override;
    void Release() override;

    // Whether logind's descriptor is held now.
    bool IsHeld() const { return m_lock.isValid(); }

private:
    std::optional<QDBusConnection> m_bus;
    QDBusUnixFileDescriptor m_lock;
    bool m_wanted = false;
    bool m_asking = false;
};
