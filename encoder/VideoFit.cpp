#include "VideoFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

extern "C" {
#include <libavformat/avformat.h>
}

namespace encoder {
namespace {

// The nearest even number of pixels, at least 2: 4:2:0 pictures and their bars come in pairs.
int evenPixels(double pixels)
{
    return std::max(2, 2 * static_cast<int>(std::lround(pixels / 2.0)));
}

} // namespace

Orientation orientationFromMatrix(const int32_t *matrix)
{
    Orientation o;
    if (!matrix)
        return o;
    // A stored pixel (p, q) is shown at (a p + c q, b p + d q) plus a shift, rows going down.
    const double a = matrix[0], b = matrix[1], c = matrix[3], d = matrix[4];
    if (std::fabs(a) + std::fabs(d) >= std::fabs(b) + std::fabs(c)) {
        o.hflip = a < 0;
        o.vflip = d < 0;
        return o;
    }
    // Stored rows become columns: x' = c q, y' = b p.
    if (b > 0)
        o.transpose = c < 0 ? "clock" : "cclock_flip";
    else
        o.transpose = c > 0 ? "cclock" : "clock_flip";
    return o;
}

Orientation orientationOf(const AVStream *stream)
{
    size_t size = 0;
    const uint8_t *data = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (!data || size < 9 * sizeof(int32_t))
        return {};
    return orientationFromMatrix(reinterpret_cast<const int32_t *>(data));
}

std::string VideoFit::filters() const
{
    const bool turns = orientation.swapsSides();
    std::string chain = "scale=" + std::to_string(turns ? pictureHeight : pictureWidth) + ":" +
                        std::to_string(turns ? pictureWidth : pictureHeight) + ":flags=bicubic";
    // Turning after scaling moves the fewest pixels.
    if (turns)
        chain += std::string(",transpose=dir=") + orientation.transpose;
    if (orientation.hflip)
        chain += ",hflip";
    if (orientation.vflip)
        chain += ",vflip";
    if (hasBars()) {
        int x = ((width - pictureWidth) / 2) & ~1;
        int y = ((height - pictureHeight) / 2) & ~1;
        chain += ",pad=width=" + std::to_string(width) + ":height=" + std::to_string(height) +
                 ":x=" + std::to_string(x) + ":y=" + std::to_string(y) + ":color=black";
    }
    return chain;
}

VideoFit planVideoFit(int sourceWidth, int sourceHeight, AVRational sourceAspect,
                      const Orientation &orientation, int frameWidth, int frameHeight,
                      AVRational displayAspect)
{
    VideoFit fit;
    fit.orientation = orientation;
    AVRational sar = sourceAspect.num > 0 && sourceAspect.den > 0 ? sourceAspect : AVRational{1, 1};
    int uprightWidth = std::max(1, sourceWidth);
    int uprightHeight = std::max(1, sourceHeight);
    if (orientation.swapsSides()) {
        std::swap(uprightWidth, uprightHeight);
        sar = AVRational{sar.den, sar.num};
    }
    const AVRational pictureShape = av_mul_q(sar, AVRational{uprightWidth, uprightHeight});

    fit.width = frameWidth > 0 ? frameWidth : (uprightWidth + 1) & ~1;
    fit.height = frameHeight > 0 ? frameHeight : (uprightHeight + 1) & ~1;
    AVRational dar = displayAspect.num > 0 && displayAspect.den > 0 ? displayAspect : pictureShape;
    // MPEG-4 Part 2 and H.263 keep the pixel aspect in 8 bits each.
    AVRational frameSar = av_mul_q(dar, AVRational{fit.height, fit.width});
    av_reduce(&fit.sampleAspect.num, &fit.sampleAspect.den, frameSar.num, frameSar.den, 255);
    if (fit.sampleAspect.num <= 0 || fit.sampleAspect.den <= 0)
        fit.sampleAspect = AVRational{1, 1};

    // Fit against the aspect the frame will really show, after that rounding.
    const double frameShape = av_q2d(fit.sampleAspect) * fit.width / fit.height;
    const double shape = av_q2d(pictureShape);
    fit.pictureWidth = fit.width;
    fit.pictureHeight = fit.height;
    if (shape > frameShape)
        fit.pictureHeight = std::min(fit.height, evenPixels(fit.height * frameShape / shape));
    else if (shape < frameShape)
        fit.pictureWidth = std::min(fit.width, evenPixels(fit.width * shape / frameShape));
    // Bars thinner than a pixel pair would only show as a dark seam.
    if (fit.width - fit.pictureWidth < 2)
        fit.pictureWidth = fit.width;
    if (fit.height - fit.pictureHeight < 2)
        fit.pictureHeight = fit.height;
    return fit;
}

} // namespace encoder
