#include "AvsScript.h"

#include "EncoderError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace encoder {
namespace {

const char kOpening[] = "DirectShowSource(\"";
const char kFpsKey[] = "\", fps=";

std::string trimLineEnd(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '\t'))
        text.pop_back();
    return text;
}

} // namespace

AvsScript parseAvsScript(const std::string &text)
{
    std::string line = trimLineEnd(text);
    if (line.find_first_of("\r\n") != std::string::npos)
        throw EncoderError("malformed script: more than one line");
    if (line.compare(0, std::strlen(kOpening), kOpening) != 0)
        throw EncoderError("malformed script: it does not begin with DirectShowSource(\"");
    size_t fpsAt = line.rfind(kFpsKey);
    if (fpsAt == std::string::npos || fpsAt < std::strlen(kOpening) || line.back() != ')')
        throw EncoderError("malformed script: no fps= after the quoted source path");

    AvsScript script;
    script.sourcePath = line.substr(std::strlen(kOpening), fpsAt - std::strlen(kOpening));
    if (script.sourcePath.empty())
        throw EncoderError("malformed script: the source path is empty");

    std::string rest = line.substr(fpsAt + std::strlen(kFpsKey));
    errno = 0;
    char *end = nullptr;
    double fps = std::strtod(rest.c_str(), &end);
    if (errno != 0 || end == rest.c_str() || !(fps >= 1.0 && fps <= 120.0))
        throw EncoderError("malformed script: the fps value is not a frame rate");
    std::string tail(end);
    if (tail != ")" && tail != ", convertfps=true)")
        throw EncoderError("malformed script: unexpected text after the frame rate");
    script.fps = fps;
    return script;
}

AvsScript readAvsScript(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EncoderError("cannot open the script \"" + path + "\": " + std::strerror(errno));
    std::ostringstream text;
    // The script is one short line; a long file is not one.
    char buffer[8192];
    in.read(buffer, sizeof buffer);
    if (in.gcount() == static_cast<std::streamsize>(sizeof buffer))
        throw EncoderError("malformed script \"" + path + "\": too long");
    text.write(buffer, in.gcount());
    return parseAvsScript(text.str());
}

} // namespace encoder
