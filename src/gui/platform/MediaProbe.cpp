#include "platform/MediaProbe.h"

#include <QElapsedTimer>
#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include <memory>
#include <sys/stat.h>

namespace {

struct FormatContextCloser
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextCloser>;

struct DictionaryFreer
{
    void operator()(AVDictionary *dictionary) const { av_dict_free(&dictionary); }
};

struct Deadline
{
    QElapsedTimer clock;
    qint64 limitMs = 0;
};

int interruptWhenLate(void *opaque)
{
    const auto *deadline = static_cast<const Deadline *>(opaque);
    return deadline->clock.elapsed() > deadline->limitMs ? 1 : 0;
}

bool isRegularFile(const QByteArray &localPath)
{
    struct stat info
    {
    };
    return ::stat(localPath.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The duration of the whole file in AV_TIME_BASE units: the container's, or else the
// longest stream's.
std::optional<qint64> containerDuration(const AVFormatContext *context)
{
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0)
        return context->duration;
    qint64 longest = 0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->duration == AV_NOPTS_VALUE || stream->duration <= 0)
            continue;
        longest = qMax<qint64>(longest, av_rescale_q(stream->duration, stream->time_base,
                                                     AVRational{1, AV_TIME_BASE}));
    }
    if (longest <= 0)
        return std::nullopt;
    return longest;
}

} // namespace

MediaProbe::MediaProbe(int timeoutMs) : m_timeoutMs(timeoutMs) {}

std::optional<qint64> MediaProbe::RenderDuration(const QString &path)
{
    const QByteArray localPath = QFile::encodeName(path);
    // Only plain files: a named pipe or a device would block the open for good.
    if (path.isEmpty() || !isRegularFile(localPath))
        return std::nullopt;

    Deadline deadline;
    deadline.limitMs = m_timeoutMs;
    deadline.clock.start();

    AVFormatContext *raw = avformat_alloc_context();
    if (!raw)
        return std::nullopt;
    raw->interrupt_callback.callback = interruptWhenLate;
    raw->interrupt_callback.opaque = &deadline;

    // A source is a local file: no playlist inside it may reach out to other protocols.
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    std::unique_ptr<AVDictionary, DictionaryFreer> optionsOwner;

    // "file:" keeps a colon in the name from being read as a protocol prefix.
    const QByteArray url = QByteArrayLiteral("file:") + localPath;
    const int opened = avformat_open_input(&raw, url.constData(), nullptr, &options);
    optionsOwner.reset(options);
    if (opened < 0)
        return std::nullopt; // avformat_open_input frees the context on failure
    FormatContextPtr context(raw);

    if (avformat_find_stream_info(context.get(), nullptr) < 0)
        return std::nullopt;

    int mediaStreams = 0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVCodecParameters *parameters = context->streams[i]->codecpar;
        if (parameters->codec_type != AVMEDIA_TYPE_AUDIO &&
            parameters->codec_type != AVMEDIA_TYPE_VIDEO)
            continue;
        // Cover art is a picture, not a stream that plays.
        if (context->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC)
            continue;
        if (!avcodec_find_decoder(parameters->codec_id))
            return std::nullopt;
        ++mediaStreams;
    }
    if (mediaStreams == 0)
        return std::nullopt;

    const std::optional<qint64> duration = containerDuration(context.get());
    if (!duration)
        return std::nullopt;
    // AV_TIME_BASE is microseconds; the program counts in 100-nanosecond units.
    return *duration * (10000000 / AV_TIME_BASE);
}

std::optional<qint64> MediaProbe::FileSize(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    return file.size();
}
