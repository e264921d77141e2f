#pragma once

#include "AmrNbEncoder.h"
#include "EncoderOptions.h"
#include "LibavPtr.h"
#include "OutputPlan.h"

#include <atomic>
#include <memory>
#include <string>

namespace encoder {

class Muxer;

// One output stream's encoder (libavcodec's, or opencore's for AMR-NB) and the stream of the
// output it writes its packets to. Runs on the stream's own thread once the streams start.
class StreamEncoder
{
public:
    // The picture encoder the options and the container ask for (MPEG-4 Part 2, Xvid,
    // H.263, H.264 or H.265), with its stream added to the muxer. Throws EncoderError for a
    // codec the container or the frame size cannot take, or one that does not start.
    static std::unique_ptr<StreamEncoder> openVideo(const EncoderOptions &options,
                                                    const std::string &container,
                                                    const VideoPlan &plan, Muxer &muxer);
    // The sound encoder (AAC, MP3 or AMR-NB), with its stream added to the muxer. Throws
    // EncoderError for a codec the container cannot hold, or one that does not start.
    static std::unique_ptr<StreamEncoder> openAudio(const EncoderOptions &options,
                                                    const std::string &container,
                                                    const AudioPlan &plan, Muxer &muxer);

    // Encodes one frame whose pts counts frames (video) or samples (audio) from zero, and
    // writes what comes out. Throws EncoderError.
    void encode(AVFrame *frame);
    // Writes what the encoder still holds (libavcodec's encoders; nothing for AMR-NB).
    void flush();

    // The sample format and samples per frame the sound encoder takes (AMR-NB: 16-bit,
    // 160 samples).
    AVSampleFormat sampleFormat() const;
    int frameSize() const;
    bool isAmrNb() const { return m_amr != nullptr; }
    // The output stream the packets go to.
    AVStream *stream() const { return m_stream; }
    // The quantizer of the last picture written (0 before any; sound: always 0).
    double lastQuality() const { return m_lastQuality.load(); }

private:
    StreamEncoder(Muxer &muxer, AVStream *stream);
    void encodeAmr(const AVFrame *sound);
    void drain(const AVFrame *toSend);
    void write(AVPacket *packet);

    Muxer &m_muxer;
    AVStream *m_stream;
    CodecContextPtr m_codec; // empty for AMR-NB
    std::unique_ptr<AmrNbEncoder> m_amr;
    AVRational m_timeBase{1, 1};
    bool m_isVideo = false;
    PacketPtr m_packet;
    std::atomic<double> m_lastQuality{0.0};
};

} // namespace encoder
