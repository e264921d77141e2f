#include "AmrNbEncoder.h"

#include "EncoderError.h"

#include <algorithm>
#include <array>

#include <opencore-amrnb/interf_enc.h>

namespace encoder {
namespace {

const std::array<int, 8> kModeBitrates = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};

} // namespace

int AmrNbEncoder::modeForBitrate(int bitrateBps)
{
    int mode = 0;
    for (int i = 0; i < static_cast<int>(kModeBitrates.size()); ++i) {
        if (kModeBitrates[i] <= bitrateBps)
            mode = i;
    }
    return mode;
}

AmrNbEncoder::AmrNbEncoder(int bitrateBps)
    : m_state(Encoder_Interface_init(0)), m_mode(modeForBitrate(bitrateBps))
{
    if (!m_state)
        throw EncoderError("cannot start the AMR-NB encoder");
}

AmrNbEncoder::~AmrNbEncoder()
{
    Encoder_Interface_exit(m_state);
}

int AmrNbEncoder::bitrate() const
{
    return kModeBitrates[m_mode];
}

std::vector<uint8_t> AmrNbEncoder::encode(const int16_t *samples, int count)
{
    std::array<int16_t, kFrameSamples> speech{};
    std::copy_n(samples, std::clamp(count, 0, kFrameSamples), speech.begin());
    std::vector<uint8_t> out(64);
    int written = Encoder_Interface_Encode(m_state, static_cast<Mode>(m_mode), speech.data(),
                                           out.data(), 0);
    if (written <= 0)
        throw EncoderError("the AMR-NB encoder failed");
    out.resize(static_cast<size_t>(written));
    return out;
}

} // namespace encoder
