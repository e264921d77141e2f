#include "OutputFile.h"

#include "EncoderError.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace encoder {
namespace {

// The temporary path the signal handler removes; empty while there is none.
char g_pendingPath[4096];
std::atomic<bool> g_pending{false};

void onSignal(int)
{
    if (g_pending.load())
        ::unlink(g_pendingPath);
    static const char kMessage[] = "\nError: interrupted\n";
    ssize_t ignored = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)ignored;
    ::_exit(2);
}

} // namespace

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
    std::string name = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
    if (name.empty())
        throw EncoderError("the output \"" + finalPath + "\" names no file");
    std::string folderToCheck = folder.empty() ? std::string(".") : folder;
    if (::stat(folderToCheck.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw EncoderError("the output folder \"" + folderToCheck + "\" does not exist");
    if (::access(folderToCheck.c_str(), W_OK) != 0)
        throw EncoderError("cannot write to the output folder \"" + folderToCheck +
                           "\": " + std::strerror(errno));
    m_tempPath = folder + "." + name + "." + std::to_string(::getpid()) + ".part";
    if (m_tempPath.size() < sizeof g_pendingPath) {
        std::memcpy(g_pendingPath, m_tempPath.c_str(), m_tempPath.size() + 1);
        g_pending.store(true);
    }
}

OutputFile::~OutputFile()
{
    if (!m_committed) {
        g_pending.store(false);
        ::unlink(m_tempPath.c_str());
    }
}

void OutputFile::commit()
{
    if (::rename(m_tempPath.c_str(), m_finalPath.c_str()) != 0)
        throw EncoderError("cannot write the output \"" + m_finalPath + "\": " +
                           std::strerror(errno));
    g_pending.store(false);
    m_committed = true;
}

void OutputFile::installSignalHandlers()
{
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &action, nullptr);
    // A reader that went away must not end a conversion in the middle of a report.
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace encoder
