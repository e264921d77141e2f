#include "Metadata.h"

#include <cstring>
#include <initializer_list>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace encoder {
namespace {

struct TagNames
{
    const char *key; // the name the muxers write
    std::initializer_list<const char *> sources; // where sources keep it, first found wins
};

const TagNames kTags[] = {
    {"title", {"title"}},
    {"artist", {"artist", "author", "performer", "album_artist"}},
    {"album", {"album"}},
    {"comment", {"comment", "description"}},
    {"date", {"date", "year", "date_released", "date_recorded"}},
    {"creation_time", {"creation_time"}},
};

// A non-empty value of the name (letter case aside) in the file's tags, else in a kept stream's.
const char *findTag(const AVFormatContext *input, const std::vector<StreamPair> &streams,
                    const char *name)
{
    const AVDictionaryEntry *e = av_dict_get(input->metadata, name, nullptr, 0);
    if (e && e->value[0])
        return e->value;
    for (const StreamPair &pair : streams) {
        e = av_dict_get(pair.first->metadata, name, nullptr, 0);
        if (e && e->value[0])
            return e->value;
    }
    return nullptr;
}

} // namespace

void copyTags(const AVFormatContext *input, const std::vector<StreamPair> &streams,
              AVFormatContext *output)
{
    for (const TagNames &tag : kTags) {
        for (const char *name : tag.sources) {
            if (const char *value = findTag(input, streams, name)) {
                av_dict_set(&output->metadata, tag.key, value, 0);
                break;
            }
        }
    }
    const bool mp3 = std::strcmp(output->oformat->name, "mp3") == 0;
    for (const StreamPair &pair : streams) {
        const AVDictionaryEntry *e = av_dict_get(pair.first->metadata, "language", nullptr, 0);
        if (!e || !e->value[0] || std::strcmp(e->value, "und") == 0)
            continue;
        av_dict_set(&pair.second->metadata, "language", e->value, 0);
        if (mp3 && pair.second->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            av_dict_set(&output->metadata, "language", e->value, 0);
    }
}

} // namespace encoder
