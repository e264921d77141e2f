#pragma once

#include <cstdint>
#include <vector>

namespace encoder {

// AMR-NB speech encoding through opencore-amr: 160 mono 16-bit samples at 8000 Hz in, one
// frame in the storage format (a table-of-contents byte and the speech bits) out.
class AmrNbEncoder
{
public:
    static constexpr int kFrameSamples = 160;
    static constexpr int kSampleRate = 8000;

    // Picks the mode nearest below the asked bitrate, 12.2 kbit/s at most, 4.75 at least.
    explicit AmrNbEncoder(int bitrateBps);
    ~AmrNbEncoder();
    AmrNbEncoder(const AmrNbEncoder &) = delete;
    AmrNbEncoder &operator=(const AmrNbEncoder &) = delete;

    // Encodes one frame; fewer than 160 samples are padded with silence.
    std::vector<uint8_t> encode(const int16_t *samples, int count);

    int bitrate() const;
    static int modeForBitrate(int bitrateBps);

private:
    void *m_state;
    int m_mode;
};

} // namespace encoder
