#include "report/Log.h"

#include "platform/AppPaths.h"
#include "report/AppErrors.h"
#include "report/MessageBoxes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void raiseLogError(const QString &path, int code)
{
    throw EInOutError(
        QStringLiteral("I/O error %1. Cannot write the log \"%2\": %3")
            .arg(code)
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(code))),
        code);
}

} // namespace

void Log::Write(const QString &message)
{
    try {
        WriteIn(AppPaths::Current().PreparedLogDir(), message);
    } catch (const EInOutError &error) {
        // Told once; the conversions go on, portable or installed.
        if (!m_failureShown) {
            m_failureShown = true;
            if (m_boxes)
                m_boxes->Show(QString::fromUtf8(error.what()), 0);
        }
    }
}

void Log::WriteQuietly(const QString &message)
{
    try {
        Write(message);
    } catch (...) {
    }
}

QString Log::Line(const QString &message)
{
    // A fixed date and time layout keeps the log readable and sortable on every locale.
    return QStringLiteral("Quillon ") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QLatin1Char('|') + message;
}

void Log::WriteIn(const QString &folder, const QString &message)
{
    const QString path = folder + QStringLiteral("log.txt");
    const QByteArray line = (Line(message) + QStringLiteral("\r\n")).toUtf8();
    // The file is open only for this one line, so the line is on disk when we return.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        raiseLogError(path, errno);
    qsizetype written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(fd, line.constData() + written, line.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int code = n < 0 ? errno : ENOSPC;
            // A full disk can take part of a line: cut that piece off again, so the log
            // holds only whole lines. A line another program appended since stays.
            struct stat info
            {
            };
            const off_t end = ::lseek(fd, 0, SEEK_CUR);
            if (written > 0 && end >= written && ::fstat(fd, &info) == 0 && info.st_size == end)
                (void)!::ftruncate(fd, end - written);
            ::close(fd);
            raiseLogError(path, code);
        }
        written += n;
    }
    if (::close(fd) != 0)
        raiseLogError(path, errno);
}
