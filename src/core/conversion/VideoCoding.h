#pragma once

#include <QString>

// What an H.264 or H.265 stream carries besides its bitrate: the profile a player must
// decode, the level its size, frame rate and bitrate fall in, and the rate control's cap
// (VBV: a peak of 1.5 times the bitrate and a buffer of two seconds of it) that keeps phones
// from stuttering. The level follows the job, so that no choice of the option lists asks
// the encoder for a stream beyond its level.
namespace VideoCoding {

// The H.264 profile for a frame size: Constrained Baseline up to 640x480 (what feature
// phones and old players decode), High above.
QString H264Profile(int width, int height);

// The lowest level ("1.3", "4.0") whose limits hold a stream of that size, frame rate, peak
// bitrate (kbit/s) and buffer (kbit); empty when none does. highProfile: H.264 High's larger
// bitrate limits.
QString H264Level(int width, int height, double fps, int maxRateK, int bufSizeK, bool highProfile);
QString H265Level(int width, int height, double fps, int maxRateK, int bufSizeK);

// " -vprofile P -level L -maxrate M -bufsize B" for a job whose codec fragment names h264
// or hevc, built from its size, frame rate (" -r N" or " -fpsmax N") and video bitrate
// fragments; empty for every other codec.
QString ArgFor(const QString &codecArg, const QString &sizeArg, const QString &frameRateArg,
               const QString &bitrateArg);

} // namespace VideoCoding
