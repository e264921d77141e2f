#pragma once

#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

struct AVStream;

namespace encoder {

// How the stored pictures of a source are turned upright, as its display matrix says: a
// quarter turn or transposition (the transpose filter's direction), then mirroring.
struct Orientation
{
    const char *transpose = nullptr; // nullptr: rows stay rows
    bool hflip = false;
    bool vflip = false;

    bool swapsSides() const { return transpose != nullptr; }
    bool isUpright() const { return !transpose && !hflip && !vflip; }
};

// Reads a display matrix (libavutil's 3x3 layout, 16.16 fixed point). A matrix that is not a
// whole quarter turn is taken as the nearest one; no matrix means upright.
Orientation orientationFromMatrix(const int32_t *matrix);

// The orientation a stream's display matrix asks for.
Orientation orientationOf(const AVStream *stream);

// The picture of the output frame: the upright source scaled to keep its own shape inside the
// frame's display aspect, with black bars where the shapes differ.
struct VideoFit
{
    int width = 0;  // the output frame, in stored pixels
    int height = 0;
    AVRational sampleAspect{1, 1}; // of the output frame
    int pictureWidth = 0;  // the upright picture inside the frame, in stored pixels
    int pictureHeight = 0;
    Orientation orientation;

    bool hasBars() const { return pictureWidth < width || pictureHeight < height; }

    // The filters that scale, turn and frame the decoded pictures ("a,b,c", no trailing comma).
    std::string filters() const;
};

// Plans the output frame for a source of sourceWidth x sourceHeight stored pixels with the
// pixel aspect sourceAspect (0/x: square) and the given orientation. frameWidth/frameHeight
// (0: the upright source's size) and displayAspect (0/x: the upright source's shape, so no
// bars) are what the command line asks for.
VideoFit planVideoFit(int sourceWidth, int sourceHeight, AVRational sourceAspect,
                      const Orientation &orientation, int frameWidth, int frameHeight,
                      AVRational displayAspect);

} // namespace encoder
