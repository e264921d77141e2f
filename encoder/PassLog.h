#pragma once

#include <string>

namespace encoder {

// The log of a two-pass run's first pass: "<prefix>-0.log" and the files the H.264 and H.265
// encoders keep beside it. Without a prefix it lives in a private folder of its own (made
// with mkdtemp under TMPDIR, else /tmp). Whatever the run leaves is removed when the object
// goes, whether the run succeeded or not.
class PassLog
{
public:
    // Throws EncoderError when the private folder cannot be made.
    explicit PassLog(const std::string &prefix);
    ~PassLog();
    PassLog(const PassLog &) = delete;
    PassLog &operator=(const PassLog &) = delete;

    // The log file the encoders write in the first pass and read in the second.
    const std::string &path() const { return m_path; }

private:
    std::string m_folder; // the private folder, empty when the caller named the prefix
    std::string m_path;
};

} // namespace encoder
