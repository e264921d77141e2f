#include "SourceInput.h"

#include "EncoderError.h"
#include "SourceReader.h"

#include <utility>
#include <vector>

#include <sys/stat.h>

namespace encoder {

SourceInput::SourceInput(std::string path) : m_path(std::move(path)) {}

void SourceInput::open()
{
    struct stat info{};
    if (::stat(m_path.c_str(), &info) != 0)
        throw EncoderError("the input file \"" + m_path + "\" does not exist");
    if (S_ISDIR(info.st_mode))
        throw EncoderError("the input \"" + m_path + "\" is a folder");
    if (S_ISREG(info.st_mode) && info.st_size == 0)
        throw EncoderError("the input file \"" + m_path + "\" is empty");

    m_input = openSourceFile(m_path);
}

void SourceInput::reopen()
{
    std::vector<AVDiscard> discards;
    for (unsigned i = 0; i < m_input->nb_streams; ++i)
        discards.push_back(m_input->streams[i]->discard);
    m_input.reset();
    open();
    if (m_input->nb_streams != discards.size())
        throw EncoderError("the input \"" + m_path + "\" changed while it was read");
    for (unsigned i = 0; i < m_input->nb_streams; ++i)
        m_input->streams[i]->discard = discards[i];
}

bool SourceInput::seekTo(double startSeconds)
{
    AVFormatContext *ic = m_input.get();
    int64_t target = static_cast<int64_t>(startSeconds * AV_TIME_BASE);
    if (ic->start_time != AV_NOPTS_VALUE)
        target += ic->start_time;
    return avformat_seek_file(ic, -1, INT64_MIN, target, target, 0) >= 0;
}

int SourceInput::read(AVPacket *packet)
{
    return av_read_frame(m_input.get(), packet);
}

void SourceInput::checkRead() const
{
    checkSourceRead(m_input.get(), m_path);
}

} // namespace encoder
