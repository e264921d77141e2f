#include "shell/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <sys/socket.h>
#include <unistd.h>

#include "platform/PrivateFolder.h"

namespace {

constexpr quint32 kMagic = 0x434c5057; // "CLPW"
constexpr quint32 kVersion = 1;
constexpr char kAccepted = 'A';
constexpr char kGo = 'G';

// A display name as a piece of a file name.
QString fileNamePiece(const QString &text)
{
    QString piece;
    for (const QChar c : text)
        piece += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('.') ||
                         c == QLatin1Char('-')
                     ? c
                     : QLatin1Char('_');
    return piece;
}

// Whether the process at the other end of a connected socket runs as this user. Anyone
// else listening or connecting is never handed a file name, nor taken files from.
bool peerIsThisUser(const QLocalSocket &socket)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return fd >= 0 &&
           ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}

} // namespace

SingleInstance::SingleInstance(const QString &socketPath, QObject *parent)
    : QObject(parent), m_socketPath(socketPath)
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::SocketPathFor(const QProcessEnvironment &env, uint userId)
{
    // One program per session: a second display of the same user (another login, a
    // virtual display) gets its own program.
    QString display = env.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (display.isEmpty())
        display = env.value(QStringLiteral("DISPLAY"));
    if (display.isEmpty())
        display = QStringLiteral("none");
    // Only a folder of the user's own holds the socket and its lock: a name anyone else
    // can take would let them receive the files or hold every start up.
    const QString folder = PrivateFolder::ForUser(env, userId);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("instance-%1.socket").arg(fileNamePiece(display));
}

SingleInstance::Outcome SingleInstance::Start(const QStringList &files)
{
    // Without a safe place for the socket every start runs on its own.
    if (m_socketPath.isEmpty())
        return Outcome::First;
    // The lock keeps two starts at the same moment from both becoming the first.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(m_timings.lockMs + m_timings.connectMs + m_timings.answerMs);
    const bool locked = lock.tryLock(m_timings.lockMs);
    const HandOver result = handOver(files);
    if (result == HandOver::Done)
        return Outcome::HandedOver;
    listen();
    if (locked)
        lock.unlock();
    return Outcome::First;
}

bool SingleInstance::IsListening() const
{
    return m_server && m_server->isListening();
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(m_timings.connectMs))
        return socket.error() == QLocalSocket::SocketTimeoutError ? HandOver::NoAnswer
                                                                  : HandOver::NoServer;
    if (!peerIsThisUser(socket))
        return HandOver::NoServer;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << kMagic << kVersion << files;
    socket.write(message);
    socket.flush();
    // Wait for the acknowledgement; a program that does not read its socket is hung.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(m_timings.answerMs))
            return HandOver::NoAnswer;
    }
    char answer = 0;
    if (!socket.getChar(&answer) || answer != kAccepted)
        return HandOver::NoAnswer;
    socket.putChar(kGo);
    socket.flush();
    socket.waitForBytesWritten(m_timings.answerMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(m_timings.answerMs);
    return HandOver::Done;
}

void SingleInstance::listen()
{
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_socketPath)) {
        // Nobody answered on it: the socket of a program that ended without removing it,
        // or of one that hangs. Either way this program takes the name over.
        QLocalServer::removeServer(m_socketPath);
        if (!server->listen(m_socketPath)) {
            delete server;
            return;
        }
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection())
            serve(socket);
    });
    m_server = server;
}

void SingleInstance::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsThisUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    auto files = std::make_shared<QStringList>();
    auto accepted = std::make_shared<bool>(false);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, files, accepted] {
        if (!*accepted) {
            QDataStream in(socket);
            in.startTransaction();
            quint32 magic = 0, version = 0;
            QStringList received;
            in >> magic >> version >> received;
            if (!in.commitTransaction())
                return; // more to come
            if (magic != kMagic || version != kVersion) {
                socket->abort();
                return;
            }
            *files = received;
            *accepted = true;
            socket->putChar(kAccepted);
            socket->flush();
        }
        char go = 0;
        if (*accepted && socket->bytesAvailable() > 0 && socket->getChar(&go)) {
            socket->disconnectFromServer();
            if (go == kGo)
                Q_EMIT FilesHandedOver(*files);
        }
    });
}
