#pragma once

#include "LibavPtr.h"

#include <string>

namespace encoder {

// Opens the source file and reads its stream information. The file is read through a byte
// reader that outlives a failed open, so a read error is reported as what it is rather than
// as the damaged data the demuxer took it for. Throws EncoderError naming the source.
InputContextPtr openSourceFile(const std::string &sourcePath);

// Throws EncoderError naming the source and the reason when reading it failed for any reason
// but its end (a failing disk, a vanished network share). Damaged data is not a read error:
// the conversion ends where the data can no longer be read, as a player would.
void checkSourceRead(const AVFormatContext *input, const std::string &sourcePath);

} // namespace encoder
