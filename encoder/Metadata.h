#pragma once

#include <utility>
#include <vector>

struct AVFormatContext;
struct AVStream;

namespace encoder {

// A kept source stream and the output stream it becomes.
using StreamPair = std::pair<const AVStream *, AVStream *>;

// Copies the source's title, artist, album, comment, date and creation time to the output,
// and each kept stream's language to its output stream, before the output's header is
// written. Tags that sources keep under other names (author, description, year, or on the
// stream itself as Ogg does) are taken too. What the container cannot hold, its muxer leaves
// out; an MP3 carries the sound's language as a file tag.
void copyTags(const AVFormatContext *input, const std::vector<StreamPair> &streams,
              AVFormatContext *output);

} // namespace encoder
