#include "Muxer.h"

#include "EncoderError.h"
#include "EncoderOptions.h"

#include <utility>

namespace encoder {

Muxer::Muxer(const std::string &container, const std::string &writePath, bool analysis,
             bool frontIndex, std::string outputName)
    : m_writePath(writePath), m_outputName(std::move(outputName)), m_analysis(analysis),
      m_frontIndex(frontIndex)
{
    if (frontIndex && !isMp4Family(container))
        throw EncoderError("-movflags faststart needs an MP4, 3GP, 3G2 or M4A output");
    AVFormatContext *oc = nullptr;
    // The name lets the muxer read the file back to move its index to the front. The
    // analysis pass writes nothing.
    int ret = avformat_alloc_output_context2(&oc, nullptr, analysis ? "null" : container.c_str(),
                                             analysis ? nullptr : writePath.c_str());
    if (ret < 0 || !oc)
        throw EncoderError("cannot write the " + container + " format: " + avErrorText(ret));
    m_output.reset(oc);
}

AVStream *Muxer::addStream()
{
    AVStream *stream = avformat_new_stream(m_output.get(), nullptr);
    if (!stream)
        throw EncoderError("out of memory");
    return stream;
}

bool Muxer::wantsGlobalHeader() const
{
    return m_output->oformat->flags & AVFMT_GLOBALHEADER;
}

void Muxer::start()
{
    AVFormatContext *oc = m_output.get();
    int ret = m_analysis ? 0 : avio_open(&oc->pb, m_writePath.c_str(), AVIO_FLAG_WRITE);
    if (ret < 0)
        throw EncoderError("cannot create the output \"" + m_outputName +
                           "\": " + avErrorText(ret));
    AVDictionary *muxerOptions = nullptr;
    if (m_frontIndex && !m_analysis)
        av_dict_set(&muxerOptions, "movflags", "+faststart", 0);
    ret = avformat_write_header(oc, &muxerOptions);
    av_dict_free(&muxerOptions);
    if (ret < 0)
        throwWriteError(ret);
}

void Muxer::write(AVPacket *packet)
{
    if (!m_output->pb) {
        av_packet_unref(packet); // the analysis pass keeps only the encoder's log
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    int ret = av_interleaved_write_frame(m_output.get(), packet);
    if (ret < 0)
        throwWriteError(ret);
    m_bytesWritten.store(avio_tell(m_output->pb));
}

void Muxer::finish()
{
    int ret = av_write_trailer(m_output.get());
    AVIOContext *pb = m_output->pb;
    if (!pb) { // the analysis pass: its log is complete
        checkAv(ret, "analysis pass");
        return;
    }
    if (ret < 0 || pb->error < 0)
        throwWriteError(ret < 0 ? ret : pb->error);
    // Moving the index to the front leaves the position where the moved data ended.
    const int64_t size = avio_size(pb);
    m_bytesWritten.store(size > 0 ? size : avio_tell(pb));
    ret = avio_closep(&m_output->pb);
    if (ret < 0)
        throwWriteError(ret);
}

void Muxer::throwWriteError(int code) const
{
    throw EncoderError("cannot write the output \"" + m_outputName + "\": " + avErrorText(code));
}

} // namespace encoder
