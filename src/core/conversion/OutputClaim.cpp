#include "conversion/OutputClaim.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "conversion/ProgramRunFolder.h"

int OutputClaim::Claim(const QString &path)
{
    m_held = false;
    ProgramRunFolder::ForgetClaim(m_device, m_inode);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    struct stat info
    {
    };
    const int statted = ::fstat(fd, &info);
    const int error = errno;
    ::close(fd);
    if (statted != 0) {
        ::unlink(name.constData());
        return error;
    }
    m_path = path;
    m_device = info.st_dev;
    m_inode = info.st_ino;
    m_held = true;
    // Should this program die while holding the name, the next start gives it back.
    ProgramRunFolder::NoteClaim(path, m_device, m_inode);
    return 0;
}

void OutputClaim::Release()
{
    if (!m_held)
        return;
    m_held = false;
    ProgramRunFolder::ForgetClaim(m_device, m_inode);
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_dev == m_device &&
        info.st_ino == m_inode && info.st_size == 0)
        ::unlink(name.constData());
}
