#pragma once

#include "LibavPtr.h"

namespace encoder {

// The source stream converted for one kind of media, with its decoder open.
struct ChosenStream
{
    int index = -1; // -1: the source has no such stream that decodes
    AVStream *stream = nullptr;
    CodecContextPtr decoder;
    int64_t startOffset = 0; // the input's start time in the stream's time base

    bool active() const { return index >= 0; }
};

// Chooses the stream of that kind that libavformat ranks best, else the first other one
// whose decoder opens. Cover pictures, pictures without a size and sound without a rate or
// channels are passed over. besideBusyEncoder: see decoderThreads.
ChosenStream chooseStream(AVFormatContext *input, AVMediaType type, bool besideBusyEncoder);

// Whether the input holds a picture stream at all (cover pictures aside), decodable or not.
bool hasPictureStream(const AVFormatContext *input);

// Leaves every stream of the input unread but the two given (-1: none).
void discardOtherStreams(AVFormatContext *input, int videoIndex, int audioIndex);

} // namespace encoder
