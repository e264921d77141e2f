// The screen saver inhibition on a private session bus (the test runs under
// dbus-run-session) with a fake screen saver service: Inhibit when asked, UnInhibit with
// the cookie it gave, and nothing at all without a bus.

#include "platform/ScreenSaverInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList calls;

public Q_SLOTS:
    uint Inhibit(const QString &app, const QString &)
    {
        calls << QStringLiteral("Inhibit ") + app;
        return 42;
    }
    void UnInhibit(uint cookie) { calls << QStringLiteral("UnInhibit %1").arg(cookie); }
};

bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

TEST(ScreenSaverInhibitor, InhibitsAndGivesBackTheCookie)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus: run under dbus-run-session";
    QDBusConnection service =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
    FakeScreenSaver fake;
    ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &fake,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));

    ScreenSaverInhibitor inhibitor;
    inhibitor.setInhibited(true);
    inhibitor.setInhibited(true); // once is enough
    ASSERT_TRUE(waitFor([&] { return !fake.calls.isEmpty(); }));
    QCoreApplication::processEvents();
    inhibitor.setInhibited(false);
    ASSERT_TRUE(waitFor([&] { return fake.calls.size() >= 2; }));
    EXPECT_EQ(fake.calls, (QStringList{"Inhibit Clipwright", "UnInhibit 42"}));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "ScreenSaverInhibitorTest.moc"
