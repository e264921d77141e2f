#include "SourceReader.h"

#include "EncoderError.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace encoder {
namespace {

// The byte reader keeps the first error of the file below it; demuxers often report it only
// as an end of data, or as damage.
int readError(const AVIOContext *pb)
{
    return pb && pb->error < 0 && pb->error != AVERROR_EOF ? pb->error : 0;
}

[[noreturn]] void throwReadError(const std::string &sourcePath, int error)
{
    throw EncoderError("cannot read the input \"" + sourcePath + "\": " + avErrorText(error));
}

} // namespace

InputContextPtr openSourceFile(const std::string &sourcePath)
{
    AVIOContext *pb = nullptr;
    int ret = avio_open2(&pb, sourcePath.c_str(), AVIO_FLAG_READ, nullptr, nullptr);
    if (ret < 0)
        throwReadError(sourcePath, ret);
    AVFormatContext *ctx = avformat_alloc_context();
    if (!ctx) {
        avio_closep(&pb);
        throw EncoderError("out of memory");
    }
    ctx->pb = pb;
    ctx->flags |= AVFMT_FLAG_CUSTOM_IO; // closed by InputContextDeleter
    ret = avformat_open_input(&ctx, sourcePath.c_str(), nullptr, nullptr);
    if (ret < 0) {
        // A failed open frees the context but not the reader.
        int error = readError(pb);
        avio_closep(&pb);
        throwReadError(sourcePath, error ? error : ret);
    }
    InputContextPtr input(ctx);
    ret = avformat_find_stream_info(ctx, nullptr);
    checkSourceRead(ctx, sourcePath);
    if (ret < 0)
        throw EncoderError("cannot read the streams of \"" + sourcePath + "\": " + avErrorText(ret));
    return input;
}

void checkSourceRead(const AVFormatContext *input, const std::string &sourcePath)
{
    if (int error = input ? readError(input->pb) : 0)
        throwReadError(sourcePath, error);
}

} // namespace encoder
