#include "platform/VideoOrientation.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include <cmath>

namespace VideoOrientation {

QByteArray FilterForMatrix(const qint32 *matrix)
{
    if (!matrix)
        return {};
    // A stored pixel (p, q) is shown at (a p + c q, b p + d q), rows going down: the same
    // reading as the encoder's and the ffmpeg tool's, so the preview shows what is converted.
    const double a = matrix[0], b = matrix[1], c = matrix[3], d = matrix[4];
    QByteArrayList steps;
    if (std::fabs(a) + std::fabs(d) >= std::fabs(b) + std::fabs(c)) {
        if (a < 0)
            steps << "hflip";
        if (d < 0)
            steps << "vflip";
    } else if (b > 0) {
        steps << (c < 0 ? "transpose=clock" : "transpose=cclock_flip");
    } else {
        steps << (c > 0 ? "transpose=cclock" : "transpose=clock_flip");
    }
    return steps.join(',');
}

QByteArray UprightFilter(const QString &path)
{
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext *context = nullptr;
    // "file:" keeps a colon in the name from being read as a protocol prefix. The display
    // matrix is in the header: the streams need not be probed.
    const QByteArray url = QByteArrayLiteral("file:") + QFile::encodeName(path);
    const int opened = avformat_open_input(&context, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return {};
    QByteArray filter;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO ||
            (stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        size_t size = 0;
        const uint8_t *data = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
        if (data && size >= 9 * sizeof(qint32))
            filter = FilterForMatrix(reinterpret_cast<const qint32 *>(data));
        break;
    }
    avformat_close_input(&context);
    return filter;
}

} // namespace VideoOrientation
