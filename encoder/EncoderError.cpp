#include "EncoderError.h"

extern "C" {
#include <libavutil/error.h>
}

namespace encoder {

std::string avErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {0};
    av_strerror(code, text, sizeof text);
    return text;
}

int checkAv(int code, const std::string &what)
{
    if (code < 0)
        throw EncoderError(what + ": " + avErrorText(code));
    return code;
}

} // namespace encoder
