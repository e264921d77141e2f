#include "OutputFile.h"

#include "EncoderError.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace encoder {
namespace {

constexpr char kPartSuffix[] = ".part";

// The partial file the signal handler removes, relative to its folder; none while not pending.
int g_folderFd = -1;
char g_partName[512];
std::atomic<bool> g_pending{false};

void onSignal(int)
{
    if (g_pending.load())
        ::unlinkat(g_folderFd, g_partName, 0);
    static const char kMessage[] = "\nError: interrupted\n";
    ssize_t ignored = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)ignored;
    ::_exit(2);
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Whether the encoder that wrote a partial file still runs. A process id that now belongs
// to some other program counts as ended.
bool encoderRuns(long pid)
{
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM)
        return false;
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    if (!std::getline(comm, name))
        return true; // cannot tell: leave it alone
    return name == "tcore" || name == "mcore";
}

// Removes partial files of this output name whose encoder has ended (killed outright, or
// its folder was unwritable when it failed).
void removeStaleParts(const std::string &folder, const std::string &name, size_t nameMax)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const long self = ::getpid();
    while (const dirent *entry = ::readdir(dir)) {
        std::string entryName = entry->d_name;
        if (entryName.size() < 2 || entryName[0] != '.' || !endsWith(entryName, kPartSuffix))
            continue;
        std::string stem = entryName.substr(1, entryName.size() - 1 - (sizeof kPartSuffix - 1));
        size_t dot = stem.find_last_of('.');
        if (dot == std::string::npos || dot == 0 || dot + 1 == stem.size() || stem.size() - dot > 10)
            continue;
        std::string digits = stem.substr(dot + 1);
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::string middle = stem.substr(0, dot);
        // A name that was taken got "~<n>" after the output's name.
        size_t tilde = middle.find_last_of('~');
        if (tilde != std::string::npos && tilde > 0 && tilde + 1 < middle.size() &&
            middle.find_first_not_of("0123456789", tilde + 1) == std::string::npos)
            middle.resize(tilde);
        // A long name's middle was shortened to make the whole fit the folder's limit.
        bool sameOutput = middle == name || (entryName.size() + 3 >= nameMax &&
                                             name.compare(0, middle.size(), middle) == 0);
        long pid = std::atol(digits.c_str());
        if (!sameOutput || pid <= 0 || pid == self || encoderRuns(pid))
            continue;
        // Only a file of this user's own: never a link, never another user's file.
        struct stat info{};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Another name for the hidden file when the usual one is taken: "~<n>" after the output's
// name, the name cut (at a character boundary) to keep the whole within maxBytes.
std::string alternativePartName(const std::string &usual, int n, size_t maxBytes)
{
    const size_t dot = usual.rfind('.', usual.size() - sizeof kPartSuffix);
    const std::string tail = usual.substr(dot);
    const std::string mark = "~" + std::to_string(n);
    size_t cut = dot;
    while (cut > 2 && cut + mark.size() + tail.size() > maxBytes) {
        --cut;
        while (cut > 2 && (static_cast<unsigned char>(usual[cut]) & 0xC0) == 0x80)
            --cut;
    }
    return usual.substr(0, cut) + mark + tail;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

std::string OutputFile::partName(const std::string &name, long pid, size_t maxBytes)
{
    std::string suffix = "." + std::to_string(pid) + kPartSuffix;
    size_t room = maxBytes > suffix.size() + 2 ? maxBytes - suffix.size() - 1 : 1;
    size_t cut = std::min(room, name.size());
    // Never cut a UTF-8 character in two.
    while (cut > 1 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    return "." + name.substr(0, cut) + suffix;
}

OutputFile::OutputFile(const std::string &finalPath, bool overwrite) : m_finalPath(finalPath)
{
    struct stat info{};
    if (::stat(finalPath.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            throw EncoderError("the output \"" + finalPath + "\" is a folder");
        if (!overwrite)
            throw EncoderError("the output \"" + finalPath + "\" exists (-y not given)");
    }
    // An empty file of ours under the name is the claim the program took for this job: the
    // finished output replaces it, and nothing else that appears there meanwhile.
    struct stat claim{};
    if (::lstat(finalPath.c_str(), &claim) == 0 && S_ISREG(claim.st_mode) && claim.st_size == 0 &&
        claim.st_uid == ::geteuid()) {
        m_claim = claim;
        m_hasClaim = true;
    }
    size_t slash = finalPath.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : finalPath.substr(0, slash + 1);
    m_name = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
    if (m_name.empty())
        throw EncoderError("the output \"" + finalPath + "\" names no file");
    std::string folderToCheck = folder.empty() ? std::string(".") : folder;
    if (::stat(folderToCheck.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw EncoderError("the output folder \"" + folderToCheck + "\" does not exist");
    if (::access(folderToCheck.c_str(), W_OK) != 0)
        throw EncoderError("cannot write to the output folder \"" + folderToCheck +
                           "\": " + std::strerror(errno));
    m_folderFd = ::open(folderToCheck.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0)
        throw EncoderError("cannot open the output folder \"" + folderToCheck +
                           "\": " + std::strerror(errno));

    long nameMax = ::pathconf(folderToCheck.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0 || nameMax > 255)
        nameMax = 255;
    m_nameMax = static_cast<size_t>(nameMax);
    m_partName = partName(m_name, ::getpid(), m_nameMax);
    removeStaleParts(folderToCheck, m_name, static_cast<size_t>(nameMax));

    m_unnamedFd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    std::string unnamedPath = "/proc/self/fd/" + std::to_string(m_unnamedFd);
    if (m_unnamedFd >= 0 && ::access(unnamedPath.c_str(), W_OK) == 0) {
        m_writePath = unnamedPath;
    } else {
        if (m_unnamedFd >= 0)
            ::close(m_unnamedFd);
        m_unnamedFd = -1;
        // The hidden file is made new, never opened through a link or a file someone else
        // put under its name beforehand; the muxer writes through this very file.
        const std::string usual = m_partName;
        for (int n = 1; n <= 100; ++n) {
            m_partFd = ::openat(m_folderFd, m_partName.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (m_partFd >= 0 || errno != EEXIST)
                break;
            m_partName = alternativePartName(usual, n, m_nameMax);
        }
        if (m_partFd < 0)
            throw EncoderError("cannot write to the output folder \"" + folderToCheck +
                               "\": " + std::strerror(errno));
        m_writePath = "/proc/self/fd/" + std::to_string(m_partFd);
    }
    g_folderFd = m_folderFd;
    std::memcpy(g_partName, m_partName.c_str(), m_partName.size() + 1);
    g_pending.store(m_unnamedFd < 0);
}

OutputFile::~OutputFile()
{
    if (!m_committed) {
        g_pending.store(false);
        if (m_unnamedFd < 0)
            ::unlinkat(m_folderFd, m_partName.c_str(), 0);
    }
    if (m_unnamedFd >= 0)
        ::close(m_unnamedFd);
    if (m_partFd >= 0)
        ::close(m_partFd);
    g_folderFd = -1;
    ::close(m_folderFd);
}

void OutputFile::commit()
{
    auto fail = [this](int error) {
        g_pending.store(false);
        ::unlinkat(m_folderFd, m_partName.c_str(), 0);
        throw EncoderError("cannot write the output \"" + m_finalPath + "\": " + std::strerror(error));
    };
    if (m_unnamedFd >= 0) {
        // Named only once complete, under the hidden name first: a file that exists under
        // the real name is replaced in one step. A name someone else took meanwhile gives
        // way to another.
        g_pending.store(true);
        const std::string usual = m_partName;
        int error = 0;
        for (int n = 1; n <= 100; ++n) {
            if (::linkat(AT_FDCWD, m_writePath.c_str(), m_folderFd, m_partName.c_str(),
                         AT_SYMLINK_FOLLOW) == 0) {
                error = 0;
                break;
            }
            error = errno;
            if (error != EEXIST)
                break;
            m_partName = alternativePartName(usual, n, m_nameMax);
            std::memcpy(g_partName, m_partName.c_str(), m_partName.size() + 1);
        }
        if (error != 0) {
            g_pending.store(false);
            throw EncoderError("cannot write the output \"" + m_finalPath + "\": " +
                               std::strerror(error));
        }
    } else {
        // The hidden name must still be the file written: a link or another file put in its
        // place would otherwise become the output.
        struct stat written{}, named{};
        if (::fstat(m_partFd, &written) != 0 ||
            ::fstatat(m_folderFd, m_partName.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            !sameFile(written, named)) {
            g_pending.store(false);
            throw EncoderError("cannot write the output \"" + m_finalPath +
                               "\": its partial file was replaced by another program");
        }
    }
    if (m_hasClaim)
        commitOverClaim(fail);
    else if (::renameat(m_folderFd, m_partName.c_str(), m_folderFd, m_name.c_str()) != 0)
        fail(errno);
    g_pending.store(false);
    m_committed = true;
}

void OutputFile::commitOverClaim(const std::function<void(int)> &fail)
{
    // The hidden file and the name swap places in one step; what then stands under the
    // hidden name is what the name held. Only the empty claim is thrown away: a file that
    // another program wrote meanwhile is put back, and the output takes the next free name.
    if (::renameat2(m_folderFd, m_partName.c_str(), m_folderFd, m_name.c_str(), RENAME_EXCHANGE) == 0) {
        struct stat was{};
        if (::fstatat(m_folderFd, m_partName.c_str(), &was, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(was.st_mode) && sameFile(was, m_claim) && was.st_size == 0) {
            ::unlinkat(m_folderFd, m_partName.c_str(), 0);
            return;
        }
        if (::renameat2(m_folderFd, m_partName.c_str(), m_folderFd, m_name.c_str(), RENAME_EXCHANGE) != 0)
            fail(errno);
    } else if (errno == ENOENT) {
        // The claim is gone: the name is taken only while still free.
        if (::renameat2(m_folderFd, m_partName.c_str(), m_folderFd, m_name.c_str(), RENAME_NOREPLACE) == 0)
            return;
        if (errno != EEXIST)
            fail(errno);
    } else if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
        // A file system that cannot swap names: the claim is looked at just before.
        struct stat now{};
        if (::fstatat(m_folderFd, m_name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
            (S_ISREG(now.st_mode) && sameFile(now, m_claim) && now.st_size == 0)) {
            if (::renameat(m_folderFd, m_partName.c_str(), m_folderFd, m_name.c_str()) != 0)
                fail(errno);
            return;
        }
    } else {
        fail(errno);
    }
    // Someone else's file holds the name now: ours goes under the next free one.
    size_t dot = m_name.find_last_of('.');
    std::string stem = dot == std::string::npos || dot == 0 ? m_name : m_name.substr(0, dot);
    std::string ext = dot == std::string::npos || dot == 0 ? std::string() : m_name.substr(dot);
    for (int n = 1; n <= 10000; ++n) {
        std::string name = stem + "_" + std::to_string(n) + ext;
        if (::renameat2(m_folderFd, m_partName.c_str(), m_folderFd, name.c_str(), RENAME_NOREPLACE) == 0) {
            std::string folder = m_finalPath.substr(0, m_finalPath.size() - m_name.size());
            m_note = "Note: \"" + m_finalPath + "\" was written by another program meanwhile; the output is \"" +
                     folder + name + "\"";
            return;
        }
        if (errno != EEXIST)
            fail(errno);
    }
    fail(EEXIST);
}

void OutputFile::installSignalHandlers()
{
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Every signal whose default is to end the process without a crash report.
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM,
                    SIGPROF, SIGXCPU, SIGXFSZ, SIGPWR, SIGSTKFLT, SIGIO})
        sigaction(sig, &action, nullptr);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig)
        sigaction(sig, &action, nullptr);
    // A reader that went away must not end a conversion in the middle of a report.
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace encoder
