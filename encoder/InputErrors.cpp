#include "InputErrors.h"

#include "EncoderError.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace encoder {

void checkSourceRead(const AVFormatContext *input, const std::string &sourcePath)
{
    // The byte reader keeps the first error of the file below it; demuxers often report it
    // only as an end of data.
    if (!input || !input->pb)
        return;
    int error = input->pb->error;
    if (error < 0 && error != AVERROR_EOF)
        throw EncoderError("cannot read the input \"" + sourcePath + "\": " + avErrorText(error));
}

} // namespace encoder
