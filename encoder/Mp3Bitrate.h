#pragma once

// The bitrates libmp3lame takes: only those its MPEG version (chosen by the sample rate)
// defines. The encoder writes the nearest one, and the window's size estimate counts with
// it. Plain C++, so the program's core can share it.

#include <array>
#include <cstdlib>

namespace encoder {

// The nearest bitrate in kbit/s that MP3 at sampleRate takes for askedK.
inline int NearestMp3Bitrate(int sampleRate, int askedK)
{
    static const std::array<int, 14> kMpeg1 = {32,  40,  48,  56,  64,  80,  96,
                                               112, 128, 160, 192, 224, 256, 320};
    static const std::array<int, 14> kMpeg2 = {8,  16, 24, 32,  40,  48,  56,
                                               64, 80, 96, 112, 128, 144, 160};
    static const std::array<int, 8> kMpeg25 = {8, 16, 24, 32, 40, 48, 56, 64};
    auto nearest = [askedK](const auto &table) {
        int best = table[0];
        for (int k : table) {
            if (std::abs(k - askedK) < std::abs(best - askedK))
                best = k;
        }
        return best;
    };
    if (sampleRate >= 32000)
        return nearest(kMpeg1);
    if (sampleRate >= 16000)
        return nearest(kMpeg2);
    return nearest(kMpeg25);
}

} // namespace encoder
