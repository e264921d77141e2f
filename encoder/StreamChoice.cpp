#include "StreamChoice.h"

#include "Decoding.h"

#include <vector>

namespace encoder {

ChosenStream chooseStream(AVFormatContext *input, AVMediaType type, bool besideBusyEncoder)
{
    std::vector<int> order;
    int best = av_find_best_stream(input, type, -1, -1, nullptr, 0);
    if (best >= 0)
        order.push_back(best);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (static_cast<int>(i) != best && input->streams[i]->codecpar->codec_type == type)
            order.push_back(static_cast<int>(i));
    }
    ChosenStream chosen;
    for (int index : order) {
        AVStream *stream = input->streams[index];
        AVCodecParameters *par = stream->codecpar;
        if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
            continue;
        if (type == AVMEDIA_TYPE_VIDEO && (par->width <= 0 || par->height <= 0))
            continue;
        if (type == AVMEDIA_TYPE_AUDIO &&
            (par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0))
            continue;
        CodecContextPtr decoder = openDecoder(stream, besideBusyEncoder);
        if (!decoder)
            continue;
        chosen.index = index;
        chosen.stream = stream;
        chosen.decoder = std::move(decoder);
        int64_t start = input->start_time == AV_NOPTS_VALUE ? 0 : input->start_time;
        chosen.startOffset = av_rescale_q(start, AV_TIME_BASE_Q, stream->time_base);
        break;
    }
    return chosen;
}

bool hasPictureStream(const AVFormatContext *input)
{
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream *stream = input->streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return true;
    }
    return false;
}

void discardOtherStreams(AVFormatContext *input, int videoIndex, int audioIndex)
{
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (static_cast<int>(i) != videoIndex && static_cast<int>(i) != audioIndex)
            input->streams[i]->discard = AVDISCARD_ALL;
    }
}

} // namespace encoder
