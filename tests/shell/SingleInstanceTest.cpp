#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/un.h>
#include <unistd.h>

#include <QThread>

#include "shell/DesktopSession.h"
#include "shell/SingleInstance.h"

// A socket listening at path in a child process that runs as userId (bound first, then the
// user taken on, then listening, so the kernel records userId as the listener). It accepts
// one connection and counts the bytes it is sent within two seconds.
class Listener
{
public:
    Listener(const QString &path, uid_t userId)
    {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(m_report) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(path);
            std::memcpy(address.sun_path, name.constData(), name.size());
            if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
                ::setgid(userId) != 0 || ::setuid(userId) != 0 || ::listen(fd, 4) != 0)
                ::_exit(1);
            ssize_t ignored = ::write(ready[1], "r", 1);
            int total = 0;
            pollfd waiting{fd, POLLIN, 0};
            const int client = ::poll(&waiting, 1, 1500) == 1 ? ::accept(fd, nullptr, nullptr) : -1;
            if (client >= 0) {
                timeval wait{2, 0};
                ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
                char buffer[256];
                for (ssize_t got; (got = ::read(client, buffer, sizeof buffer)) > 0;)
                    total += int(got);
            }
            ignored = ::write(m_report[1], &total, sizeof total);
            (void)ignored;
            ::_exit(0);
        }
        char byte = 0;
        ::close(ready[1]);
        ssize_t ignored = ::read(ready[0], &byte, 1);
        (void)ignored;
        ::close(ready[0]);
        ::close(m_report[1]);
    }
    ~Listener()
    {
        ::close(m_report[0]);
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    // What the listener was sent (its report comes within a few seconds); -1 when it
    // could not listen.
    int BytesReceived()
    {
        int total = -1;
        pollfd report{m_report[0], POLLIN, 0};
        if (m_pid > 0 && ::poll(&report, 1, 6000) == 1 &&
            ::read(m_report[0], &total, sizeof total) != sizeof total)
            total = -1;
        return total;
    }

private:
    pid_t m_pid = -1;
    int m_report[2] = {-1, -1};
};

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

    void eachUserAndDisplayHasItsOwnSocketInAPrivateFolder()
    {
        const uid_t me = ::getuid();
        QProcessEnvironment env;
        env.insert("XDG_RUNTIME_DIR", m_dir.path());
        env.insert("DISPLAY", ":1");
        const QString folder = m_dir.path() + QStringLiteral("/clipwright-%1").arg(me);
        QCOMPARE(SingleInstance::SocketPathFor(env, me), folder + "/instance-_1.socket");
        QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions());
        QProcessEnvironment other = env;
        other.insert("DISPLAY", ":2");
        QVERIFY(SingleInstance::SocketPathFor(other, me) != SingleInstance::SocketPathFor(env, me));
        other.insert("WAYLAND_DISPLAY", "wayland-0");
        QCOMPARE(SingleInstance::SocketPathFor(other, me), folder + "/instance-wayland-0.socket");

        // Without a runtime folder, or with one others can enter, the socket goes to a
        // private folder of the user's own in the temporary folder.
        QTemporaryDir tmp;
        QVERIFY(QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7777)));
        env.insert("TMPDIR", tmp.path());
        for (const QString &runtime : {m_dir.path() + "/missing", tmp.path(), QString()}) {
            env.insert("XDG_RUNTIME_DIR", runtime);
            QCOMPARE(SingleInstance::SocketPathFor(env, me),
                     tmp.path() + QStringLiteral("/clipwright-%1/instance-_1.socket").arg(me));
        }
        // A folder of that name that is a link, or open to others, is never used: every
        // start then runs on its own.
        const QString mine = tmp.path() + QStringLiteral("/clipwright-%1").arg(me);
        QVERIFY(QDir(mine).removeRecursively());
        QVERIFY(QFile::link(m_dir.path(), mine));
        QCOMPARE(SingleInstance::SocketPathFor(env, me), QString());
        QVERIFY(QFile::remove(mine));
        QVERIFY(QDir().mkdir(mine));
        QVERIFY(QFile::setPermissions(mine, QFileDevice::Permissions(0x7777)));
        QCOMPARE(SingleInstance::SocketPathFor(env, me), QString());
        SingleInstance alone(SingleInstance::SocketPathFor(env, me));
        QCOMPARE(alone.Start({"/a.mp4"}), SingleInstance::Outcome::First);
        QVERIFY(!alone.IsListening());
    }

    // Another local user (nobody) plants the folder of the predictable name in a shared
    // temporary folder, or listens on the socket's own path: no start hands a file name to
    // them, waits for them, or stays without its window.
    void anotherUserCanNeitherReceiveFilesNorHoldAStartUp()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to act as a second user");
        const uid_t nobody = 65534;
        QTemporaryDir tmp;
        QVERIFY(QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7777)));
        QProcessEnvironment env;
        env.insert("TMPDIR", tmp.path());
        env.insert("DISPLAY", ":7");
        const QString planted = tmp.path() + QStringLiteral("/clipwright-%1").arg(::getuid());

        // 1. The planted folder, with a listening socket and a lock file in it.
        QVERIFY(QDir().mkdir(planted));
        QVERIFY(::chown(QFile::encodeName(planted).constData(), nobody, nobody) == 0);
        QVERIFY(::chmod(QFile::encodeName(planted).constData(), 0700) == 0);
        const QString socketInPlanted = planted + "/instance-_7.socket";
        Listener intruder(socketInPlanted, nobody);
        QFile lock(socketInPlanted + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("1\nclipwright\nhost\n");
        lock.close();
        QElapsedTimer clock;
        clock.start();
        const QString path = SingleInstance::SocketPathFor(env, ::getuid());
        QCOMPARE(path, QString());
        QCOMPARE(SingleInstance(path).Start({"/home/victim/secret.mp4"}),
                 SingleInstance::Outcome::First);
        // Not held up by the planted lock (that wait would last the lock's 6 s).
        QVERIFY2(clock.elapsed() < 5000, QByteArray::number(clock.elapsed()));
        QCOMPARE(intruder.BytesReceived(), 0);
        QVERIFY(QDir(planted).removeRecursively());

        // 2. A listener of another user on the very path this user's program would use.
        const QString ours = SingleInstance::SocketPathFor(env, ::getuid());
        QVERIFY(!ours.isEmpty());
        Listener impostor(ours, nobody);
        SingleInstance start(ours);
        QCOMPARE(start.Start({"/home/victim/secret.mp4"}), SingleInstance::Outcome::First);
        QVERIFY(start.IsListening());
        QCOMPARE(impostor.BytesReceived(), 0);
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
