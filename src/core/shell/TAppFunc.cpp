#include "shell/TAppFunc.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/AppErrors.h"
#include "shell/AppPaths.h"

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

void TAppFunc::WriteLog(const QString &message)
{
    WriteLogIn(AppPaths::Current().PreparedLogDir(), message);
}

QString TAppFunc::GetAppFolder() const
{
    return AppPaths::Current().ProgramDir();
}

QString TAppFunc::LogLine(const QString &message)
{
    // A fixed date and time layout keeps the log readable and sortable on every locale.
    return QStringLiteral("Quillon ") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QLatin1Char('|') + message;
}

void TAppFunc::WriteLogIn(const QString &folder, const QString &message)
{
    const QString path = folder + QStringLiteral("log.txt");
    const QByteArray line = (LogLine(message) + QStringLiteral("\r\n")).toUtf8();
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
