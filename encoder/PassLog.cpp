#include "PassLog.h"

#include "EncoderError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace encoder {

PassLog::PassLog(const std::string &prefix)
{
    if (prefix.empty()) {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tcore-pass-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data()))
            throw EncoderError("cannot make a folder for the pass log in \"" + pattern +
                               "\": " + std::strerror(errno));
        m_folder = name.data();
        m_path = m_folder + "/pass-0.log";
    } else {
        m_path = prefix + "-0.log";
    }
}

PassLog::~PassLog()
{
    for (const char *suffix : {"", ".temp", ".mbtree", ".mbtree.temp", ".cutree", ".cutree.temp"})
        ::unlink((m_path + suffix).c_str());
    if (!m_folder.empty())
        ::rmdir(m_folder.c_str());
}

} // namespace encoder
