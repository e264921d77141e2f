// The sleep hold and the desktop notification against a D-Bus session bus that the test
// starts itself, with fake logind and notification services on it: what each is asked, and
// that the sleep lock is given back by closing logind's descriptor.
#include "platform/FreedesktopNotifier.h"
#include "platform/LogindSleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

class FakeLogind : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    ~FakeLogind() override
    {
        if (readEnd >= 0)
            ::close(readEnd);
    }
    QStringList calls;
    int readEnd = -1;

public Q_SLOTS:
    // The lock is the write end of a pipe: once every copy is closed, the read end sees
    // the end of the file.
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why,
                                    const QString &mode)
    {
        calls << QStringList{what, who, why, mode}.join(QLatin1Char('|'));
        int ends[2];
        if (readEnd >= 0)
            ::close(readEnd);
        readEnd = -1;
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return QDBusUnixFileDescriptor();
        readEnd = ends[0];
        QDBusUnixFileDescriptor lock(ends[1]);
        ::close(ends[1]);
        return lock;
    }
};

class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList calls;

public Q_SLOTS:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &,
                int timeout)
    {
        calls << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                     .arg(app)
                     .arg(replaces)
                     .arg(icon, summary, body)
                     .arg(actions.size())
                     .arg(timeout);
        return 7;
    }
};

// Whether the read end of the lock's pipe sees the end of the file: every copy of the lock
// is closed.
bool lockClosed(int readEnd)
{
    pollfd p{readEnd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0)
        return false;
    char byte;
    return ::read(readEnd, &byte, 1) == 0;
}

} // namespace

class DesktopBusServicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_busDir.isValid());
        m_daemon.setProgram(QStringLiteral("dbus-daemon"));
        m_daemon.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                               QStringLiteral("--print-address=1"),
                               QStringLiteral("--address=unix:dir=") + m_busDir.path()});
        m_daemon.start();
        if (!m_daemon.waitForStarted(10000))
            QSKIP("dbus-daemon cannot be started");
        QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 10000);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());

        m_service = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_address, QStringLiteral("services")));
        QVERIFY(m_service->isConnected());
        QVERIFY(m_service->registerObject(QStringLiteral("/org/freedesktop/login1"), &m_logind,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(m_service->registerService(QStringLiteral("org.freedesktop.login1")));
        QVERIFY(m_service->registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                          &m_notifications, QDBusConnection::ExportAllSlots));
        QVERIFY(m_service->registerService(QStringLiteral("org.freedesktop.Notifications")));
        m_client = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_address, QStringLiteral("program")));
        QVERIFY(m_client->isConnected());
    }

    void cleanupTestCase()
    {
        m_client.reset();
        m_service.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        QDBusConnection::disconnectFromBus(QStringLiteral("services"));
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished(5000);
        }
    }

    void sleepLockIsHeldUntilReleased()
    {
        LogindSleepInhibitor inhibitor(*m_client);
        inhibitor.Inhibit(QStringLiteral("Converting 3 files"));
        inhibitor.Inhibit(QStringLiteral("Converting 3 files")); // held once
        QTRY_VERIFY_WITH_TIMEOUT(inhibitor.IsHeld(), 10000);
        QCOMPARE(m_logind.calls,
                 QStringList{QStringLiteral("sleep|Clipwright|Converting 3 files|block")});
        QVERIFY(!lockClosed(m_logind.readEnd));
        inhibitor.Release();
        QVERIFY(!inhibitor.IsHeld());
        QTRY_VERIFY(lockClosed(m_logind.readEnd));
    }

    void releaseBeforeTheAnswerClosesTheLockOnArrival()
    {
        m_logind.calls.clear();
        LogindSleepInhibitor inhibitor(*m_client);
        inhibitor.Inhibit(QStringLiteral("Converting 1 file"));
        inhibitor.Release();
        QTRY_COMPARE_WITH_TIMEOUT(m_logind.calls.size(), 1, 10000);
        QTRY_VERIFY(lockClosed(m_logind.readEnd));
        QVERIFY(!inhibitor.IsHeld());
    }

    void notificationReachesTheService()
    {
        FreedesktopNotifier notifier(*m_client);
        notifier.Notify(QStringLiteral("Conversion finished"),
                        QStringLiteral("2 files converted, 1 failed."));
        QTRY_COMPARE_WITH_TIMEOUT(m_notifications.calls.size(), 1, 10000);
        QCOMPARE(m_notifications.calls.constFirst(),
                 QStringLiteral("Clipwright|0|clipwright|Conversion finished|"
                                "2 files converted, 1 failed.|0|-1"));
    }

private:
    QTemporaryDir m_busDir;
    QProcess m_daemon;
    QString m_address;
    std::unique_ptr<QDBusConnection> m_service;
    std::unique_ptr<QDBusConnection> m_client;
    FakeLogind m_logind;
    FakeNotifications m_notifications;
};

QTEST_GUILESS_MAIN(DesktopBusServicesTest)
#include "DesktopBusServicesTest.moc"
