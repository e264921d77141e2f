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
        // A long name's middle was shortened to make the whole fit the folder's limit.
        bool sameOutput = middle == name || (entryName.size() + 3 >= nameMax &&
                                             name.compare(0, middle.size(), middle) == 0);
        long pid = std::atol(digits.c_str());
        if (!sameOutput || pid <= 0 || pid == self || encoderRuns(pid))
            continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
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
    m_partName = partName(m_name, ::getpid(), static_cast<size_t>(nameMax));
    removeStaleParts(folderToCheck, m_name, static_cast<size_t>(nameMax));

    m_unnamedFd = ::openat(m_folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    std::string unnamedPath = "/proc/self/fd/" + std::to_string(m_unnamedFd);
    if (m_unnamedFd >= 0 && ::access(unnamedPath.c_str(), W_OK) == 0) {
        m_writePath = unnamedPath;
    } else {
        if (m_unnamedFd >= 0)
            ::close(m_unnamedFd);
        m_unnamedFd = -1;
        m_writePath = folder + m_partName;
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
        // the real name is replaced in one step.
        g_pending.store(true);
        if (::linkat(AT_FDCWD, m_writePath.c_str(), m_folderFd, m_partName.c_str(),
                     AT_SYMLINK_FOLLOW) != 0) {
            int error = errno;
            g_pending.store(false);
            throw EncoderError("cannot write the output \"" + m_finalPath + "\": " +
                               std::strerror(error));
        }
    }
    if (::renameat(m_folderFd, m_partName.c_str(), m_folderFd, m_name.c_str()) != 0)
        fail(errno);
    g_pending.store(false);
    m_committed = true;
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
