#include "conversion/ProgramRunFolder.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include "platform/PrivateFolder.h"
#include "platform/ProcessTable.h"

namespace {

const QString kClaims = QStringLiteral("claims/");

QString userFolder()
{
    return PrivateFolder::ForUser(QProcessEnvironment::systemEnvironment(), ::getuid());
}

QString claimNote(dev_t device, ino_t inode)
{
    return QStringLiteral("%1-%2").arg(qulonglong(device)).arg(qulonglong(inode));
}

// Removes the output name a dead program held, if it is still that program's empty file.
void giveBackClaim(const QString &note)
{
    QFile file(note);
    const QStringList id = QFileInfo(note).fileName().split(QLatin1Char('-'));
    if (id.size() != 2 || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray path = file.read(4097);
    struct stat info
    {
    };
    if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0 &&
        info.st_uid == ::getuid() && qulonglong(info.st_dev) == id[0].toULongLong() &&
        qulonglong(info.st_ino) == id[1].toULongLong())
        ::unlink(path.constData());
}

} // namespace

ProgramRunFolder::ProgramRunFolder()
{
    make();
}

void ProgramRunFolder::make()
{
    m_made = false;
    const QString parent = userFolder();
    // The process's id and start time name its owner, so that a later start can tell a
    // folder whose program died from one whose program still runs.
    const qint64 pid = ProcessTable::CurrentProcessId();
    QByteArray pattern =
        QFile::encodeName(parent + QStringLiteral("run-%1-%2-XXXXXX")
                                       .arg(pid)
                                       .arg(ProcessTable::StartTime(pid)));
    // mkdtemp makes the folder with a name no other program has, readable by us alone.
    if (!parent.isEmpty() && ::mkdtemp(pattern.data())) {
        m_path = QFile::decodeName(pattern) + QLatin1Char('/');
        m_made = true;
    } else {
        m_path = QDir::tempPath() + QStringLiteral("/clipwright-unavailable/");
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
    ProgramRunFolder &folder = instance();
    // A cleaner that empties the runtime or temporary folder takes ours with it.
    if (!folder.m_made || !PrivateFolder::IsPrivate(folder.m_path, ::getuid()))
        folder.make();
    return folder.m_path;
}

QString ProgramRunFolder::JobPath(int slot)
{
    if (slot <= 0)
        return Path();
    const QString folder = Path() + QStringLiteral("job%1/").arg(slot);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return folder;
}

void ProgramRunFolder::NoteClaim(const QString &path, dev_t device, ino_t inode)
{
    const QString folder = Path() + kClaims;
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    QFile note(folder + claimNote(device, inode));
    if (note.open(QIODevice::WriteOnly | QIODevice::Truncate))
        note.write(QFile::encodeName(path));
}

void ProgramRunFolder::ForgetClaim(dev_t device, ino_t inode)
{
    QFile::remove(instance().m_path + kClaims + claimNote(device, inode));
}

QStringList ProgramRunFolder::RemoveLeftovers()
{
    QStringList removed;
    const QString parent = userFolder();
    if (parent.isEmpty())
        return removed;
    static const QRegularExpression name(QStringLiteral("^run-(\\d+)-(\\d+)-.{6}$"));
    for (const QString &entry : QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (!match.hasMatch())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        const qint64 started = match.captured(2).toLongLong();
        const qint64 now = ProcessTable::StartTime(pid);
        // A folder whose start time could not be read is kept while its id runs at all.
        if (pid == ProcessTable::CurrentProcessId() || (now != 0 && (started == 0 || now == started)))
            continue;
        const QString folder = parent + entry + QLatin1Char('/');
        if (!PrivateFolder::IsPrivate(folder, ::getuid()))
            continue;
        for (const QString &note : QDir(folder + kClaims).entryList(QDir::Files))
            giveBackClaim(folder + kClaims + note);
        QDir(folder).removeRecursively();
        removed << folder;
    }
    return removed;
}
