#pragma once

#include <QObject>
#include <QPointer>
#include <QProcessEnvironment>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One Clipwright per user session. The first program listens on a local socket private to
// the user and the display; a later start connects, hands over its files and ends. A socket
// left by a program that crashed is removed, and a first program that does not answer
// within a few seconds is given up: the new start then runs on its own and takes over. Both
// ends check that the other runs as the same user before anything is handed over.
//
// The hand-over is two-phase, so a program that was only slow never adds files that the
// new start went on to open itself: the server acknowledges the file list, the client
// confirms, and only then are the files delivered.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    struct Timings
    {
        int connectMs = 1000;
        int answerMs = 3000;
        int lockMs = 6000;
    };

    // socketPath: the socket file (see SocketPathFor).
    explicit SingleInstance(const QString &socketPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    void SetTimings(const Timings &timings) { m_timings = timings; }

    // The socket file for this user and display, in the user's private folder (see
    // PrivateFolder); empty when there is none, and then every start runs on its own.
    static QString SocketPathFor(const QProcessEnvironment &env, uint userId);

    enum class Outcome { HandedOver, First };
    // Hands the files to a running program, or becomes the program that listens. Blocks
    // for at most a few seconds; runs before any window exists.
    Outcome Start(const QStringList &files);

    bool IsListening() const;

Q_SIGNALS:
    // A later start handed over these files (absolute paths; maybe none).
    void FilesHandedOver(const QStringList &files);

private:
    enum class HandOver { Done, NoServer, NoAnswer };
    HandOver handOver(const QStringList &files);
    void listen();
    void serve(QLocalSocket *socket);

    QString m_socketPath;
    Timings m_timings;
    QPointer<QLocalServer> m_server;
};
