#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QThread>

#include "shell/DesktopSession.h"
#include "shell/SingleInstance.h"

// One program per session: hand-over, a stale socket, a hung first program.
class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString socketPath() const { return m_dir.path() + "/clipwright.socket"; }

    // A socket file bound at the path; listening when asked, else closed at once (what a
    // crashed program leaves behind).
    int bindSocket(bool listening)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(socketPath());
        std::memcpy(address.sun_path, path.constData(), path.size());
        if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            return -1;
        if (listening && ::listen(fd, 4) == 0)
            return fd;
        ::close(fd);
        return listening ? -1 : 0;
    }

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { QFile::remove(socketPath()); }

    void aSecondStartHandsItsFilesToTheFirst()
    {
        SingleInstance first(socketPath());
        QCOMPARE(first.Start({"/ignored/own.mp4"}), SingleInstance::Outcome::First);
        QVERIFY(first.IsListening());
        QSignalSpy handed(&first, &SingleInstance::FilesHandedOver);

        const QStringList files{"/videos/a clip.mp4", "/videos/b\nnewline 'q\".avi"};
        SingleInstance::Outcome second = SingleInstance::Outcome::First;
        SingleInstance::Outcome third = SingleInstance::Outcome::First;
        std::unique_ptr<QThread> starts(QThread::create([&] {
            second = SingleInstance(socketPath()).Start(files);
            third = SingleInstance(socketPath()).Start({});
        }));
        starts->start();
        QTRY_COMPARE_WITH_TIMEOUT(handed.size(), 2, 20000);
        QVERIFY(starts->wait(20000));
        QCOMPARE(second, SingleInstance::Outcome::HandedOver);
        QCOMPARE(third, SingleInstance::Outcome::HandedOver);
        QCOMPARE(handed.at(0).at(0).toStringList(), files);
        QCOMPARE(handed.at(1).at(0).toStringList(), QStringList());
    }

    void aSocketLeftByACrashedProgramDoesNotBlock()
    {
        QCOMPARE(bindSocket(false), 0);
        QVERIFY(QFileInfo::exists(socketPath()));
        SingleInstance start(socketPath());
        QCOMPARE(start.Start({"/a.mp4"}), SingleInstance::Outcome::First);
        QVERIFY(start.IsListening());
    }

    void aHungFirstProgramIsGivenUpWithinSecondsAndNeverGetsTheFiles()
    {
        // The first program is this thread, which does not serve its socket while it
        // waits for the second start.
        SingleInstance first(socketPath());
        QCOMPARE(first.Start({}), SingleInstance::Outcome::First);
        QSignalSpy handed(&first, &SingleInstance::FilesHandedOver);

        SingleInstance::Outcome second = SingleInstance::Outcome::HandedOver;
        bool secondListens = false;
        qint64 elapsed = 0;
        std::unique_ptr<QThread> start(QThread::create([&] {
            QElapsedTimer clock;
            clock.start();
            SingleInstance instance(socketPath());
            second = instance.Start({"/videos/mine.mp4"});
            elapsed = clock.elapsed();
            secondListens = instance.IsListening();
        }));
        start->start();
        QVERIFY(start->wait(30000));
        QCOMPARE(second, SingleInstance::Outcome::First);
        QVERIFY(secondListens);
        QVERIFY2(elapsed < 10000, QByteArray::number(elapsed));
        // When the first program wakes up, the files are not added there too.
        QTest::qWait(1000);
        QCOMPARE(handed.size(), 0);
    }

    void aListeningSocketThatNeverAnswersIsTakenOver()
    {
        const int fd = bindSocket(true);
        QVERIFY(fd > 0);
        SingleInstance start(socketPath());
        QCOMPARE(start.Start({"/a.mp4"}), SingleInstance::Outcome::First);
        QVERIFY(start.IsListening());
        ::close(fd);
    }

    void eachUserAndDisplayHasItsOwnSocket()
    {
        QProcessEnvironment env;
        env.insert("XDG_RUNTIME_DIR", m_dir.path());
        env.insert("DISPLAY", ":1");
        QCOMPARE(SingleInstance::SocketPathFor(env, 1000), m_dir.path() + "/clipwright-1000-_1.socket");
        QVERIFY(SingleInstance::SocketPathFor(env, 1001) != SingleInstance::SocketPathFor(env, 1000));
        QProcessEnvironment other = env;
        other.insert("DISPLAY", ":2");
        QVERIFY(SingleInstance::SocketPathFor(other, 1000) != SingleInstance::SocketPathFor(env, 1000));
        other.insert("WAYLAND_DISPLAY", "wayland-0");
        QCOMPARE(SingleInstance::SocketPathFor(other, 1000),
                 m_dir.path() + "/clipwright-1000-wayland-0.socket");
        // Without a runtime folder the socket goes to the temporary folder.
        env.insert("XDG_RUNTIME_DIR", m_dir.path() + "/missing");
        QCOMPARE(QFileInfo(SingleInstance::SocketPathFor(env, 1000)).path(),
                 QDir::cleanPath(QDir::tempPath()));
    }

    void commandLineFilesBecomeAbsolutePathsAsWritten()
    {
        QCOMPARE(DesktopSession::FilesFromArguments(
                     {"clip.mp4", "./sub/../b c.avi", "/abs//d.mkv", "", "-e.mp4"}, "/home/u"),
                 QStringList({"/home/u/clip.mp4", "/home/u/b c.avi", "/abs/d.mkv",
                              "/home/u/-e.mp4"}));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
