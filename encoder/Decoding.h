#pragma once

#include "LibavPtr.h"

#include <functional>

namespace encoder {

// The decoder of a source stream, threaded over the machine's cores; nullptr when the stream
// has no decoder or it does not open. besideBusyEncoder: the output's encoder (x264, x265)
// runs threads on every core by itself, so a picture up to full HD gets half the threads.
CodecContextPtr openDecoder(AVStream *stream, bool besideBusyEncoder);

// Decodes one packet (nullptr: the source's end, the decoder gives what it still holds) and
// hands each decoded frame to deliver, which returns whether it wants more. A damaged packet
// is skipped as a player would. The frame is scratch space, unreferenced after each hand-over.
void decodePacket(AVCodecContext *decoder, const AVPacket *packet, AVFrame *frame,
                  const std::function<bool(AVFrame *)> &deliver);

} // namespace encoder
