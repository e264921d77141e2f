// The planning of the output picture: which way a display matrix turns the stored pictures,
// and where the upright picture sits in the output frame.

#include "VideoFit.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

using namespace encoder;

namespace {

// A display matrix with the 2x2 part a b / c d in whole numbers, as containers store it.
std::array<int32_t, 9> matrix(int a, int b, int c, int d)
{
    return {a * 65536, b * 65536, 0, c * 65536, d * 65536, 0, 0, 0, 1 << 30};
}

TEST(VideoFit, OrientationFromTheDisplayMatrix)
{
    struct Case
    {
        int a, b, c, d;
        const char *transpose;
        bool hflip, vflip;
    } cases[] = {
        {1, 0, 0, 1, nullptr, false, false},
        {0, 1, -1, 0, "clock", false, false},  // shown turned a quarter clockwise
        {0, -1, 1, 0, "cclock", false, false}, // a quarter counter-clockwise
        {-1, 0, 0, -1, nullptr, true, true},   // half a turn
        {-1, 0, 0, 1, nullptr, true, false},   // mirrored left to right
        {1, 0, 0, -1, nullptr, false, true},   // upside down
        {0, 1, 1, 0, "cclock_flip", false, false},
        {0, -1, -1, 0, "clock_flip", false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b) + " " + std::to_string(c.c) +
                     " " + std::to_string(c.d));
        auto m = matrix(c.a, c.b, c.c, c.d);
        Orientation o = orientationFromMatrix(m.data());
        EXPECT_STREQ(o.transpose, c.transpose);
        EXPECT_EQ(o.hflip, c.hflip);
        EXPECT_EQ(o.vflip, c.vflip);
    }
    EXPECT_TRUE(orientationFromMatrix(nullptr).isUpright());
    // A matrix a little off a quarter turn is taken as that quarter turn (30 degrees less).
    const int32_t tilted[9] = {32768, 56756, 0, -56756, 32768, 0, 0, 0, 1 << 30};
    EXPECT_STREQ(orientationFromMatrix(tilted).transpose, "clock");
}

TEST(VideoFit, PictureKeepsItsShapeInTheFrame)
{
    Orientation upright;
    Orientation turned;
    turned.transpose = "clock";
    struct Case
    {
        const char *name;
        int sourceWidth, sourceHeight;
        AVRational sourceSar;
        const Orientation &orientation;
        int frameWidth, frameHeight;
        AVRational dar;
        int width, height, pictureWidth, pictureHeight;
        AVRational sar;
        const char *filters;
    } cases[] = {
        {"wide into 4:3", 1920, 1080, {1, 1}, upright, 160, 120, {4, 3}, 160, 120, 160, 90, {1, 1},
         "scale=160:90:flags=bicubic,pad=width=160:height=120:x=0:y=14:color=black"},
        {"4:3 into 16:9", 640, 480, {1, 1}, upright, 320, 240, {16, 9}, 320, 240, 240, 240, {4, 3},
         "scale=240:240:flags=bicubic,pad=width=320:height=240:x=40:y=0:color=black"},
        {"same shape", 640, 480, {1, 1}, upright, 160, 120, {4, 3}, 160, 120, 160, 120, {1, 1},
         "scale=160:120:flags=bicubic"},
        {"anamorphic DVD", 720, 576, {64, 45}, upright, 160, 120, {4, 3}, 160, 120, 160, 90, {1, 1},
         "scale=160:90:flags=bicubic,pad=width=160:height=120:x=0:y=14:color=black"},
        {"4:3 DVD", 720, 480, {8, 9}, upright, 160, 120, {4, 3}, 160, 120, 160, 120, {1, 1},
         "scale=160:120:flags=bicubic"},
        {"phone portrait", 1920, 1080, {1, 1}, turned, 160, 120, {4, 3}, 160, 120, 68, 120, {1, 1},
         "scale=120:68:flags=bicubic,transpose=dir=clock,pad=width=160:height=120:x=46:y=0:color=black"},
        // Without a size and aspect the upright source's own are kept.
        {"phone, own size", 320, 180, {1, 1}, turned, 0, 0, {0, 1}, 180, 320, 180, 320, {1, 1},
         "scale=320:180:flags=bicubic,transpose=dir=clock"},
        // Without an aspect the source's own shape is shown through the pixel aspect.
        {"wide, size only", 320, 180, {1, 1}, upright, 160, 120, {0, 1}, 160, 120, 160, 120, {4, 3},
         "scale=160:120:flags=bicubic"},
        {"odd source", 161, 121, {1, 1}, upright, 0, 0, {0, 1}, 162, 122, 162, 122, {255, 254},
         "scale=162:122:flags=bicubic"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        VideoFit fit = planVideoFit(c.sourceWidth, c.sourceHeight, c.sourceSar, c.orientation,
                                    c.frameWidth, c.frameHeight, c.dar);
        EXPECT_EQ(fit.width, c.width);
        EXPECT_EQ(fit.height, c.height);
        EXPECT_EQ(fit.pictureWidth, c.pictureWidth);
        EXPECT_EQ(fit.pictureHeight, c.pictureHeight);
        EXPECT_EQ(fit.sampleAspect.num, c.sar.num);
        EXPECT_EQ(fit.sampleAspect.den, c.sar.den);
        EXPECT_EQ(fit.filters(), c.filters);
    }
}

} // namespace
