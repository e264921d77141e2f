#include "conversion/ProgramRunFolder.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace {

// A folder of this user's own that no one else can enter or write.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info
    {
    };
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

} // namespace

ProgramRunFolder::ProgramRunFolder()
{
    QByteArray base = qgetenv("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !isPrivateFolder(base))
        base = QFile::encodeName(QDir::tempPath());
    // One folder per user gathers the programs' folders; where it cannot be had privately,
    // each program's folder stands on its own in the base folder.
    QByteArray parent = base + "/clipwright-" + QByteArray::number(qint64(::getuid()));
    ::mkdir(parent.constData(), 0700);
    QByteArray pattern =
        isPrivateFolder(parent) ? parent + "/run-XXXXXX" : base + "/clipwright-run-XXXXXX";
    // mkdtemp makes the folder with a name no other program has, readable by us alone.
    if (::mkdtemp(pattern.data())) {
        m_path = QFile::decodeName(pattern) + QLatin1Char('/');
        m_made = true;
    } else {
        m_path = QFile::decodeName(base) + QStringLiteral("/clipwright-unavailable/");
    }
}

ProgramRunFolder::~ProgramRunFolder()
{
    if (m_made)
        QDir(m_path).removeRecursively();
}

ProgramRunFolder &ProgramRunFolder::instance()
{
    // Made on first use, removed with the program's other static objects at its end.
    static ProgramRunFolder folder;
    return folder;
}

QString ProgramRunFolder::Path()
{
    return instance().m_path;
}
