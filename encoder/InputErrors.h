#pragma once

#include <string>

struct AVFormatContext;

namespace encoder {

// Throws EncoderError naming the source and the reason when reading it failed for any reason
// but its end (a failing disk, a vanished network share). Damaged data is not a read error:
// the conversion ends where the data can no longer be read, as a player would.
void checkSourceRead(const AVFormatContext *input, const std::string &sourcePath);

} // namespace encoder
