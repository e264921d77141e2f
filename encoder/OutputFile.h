#pragma once

#include <string>

namespace encoder {

// The output is written under a hidden temporary name in the output's folder and renamed to
// its real name only when complete, so a failed, interrupted or killed conversion never
// leaves a partial file under the real name. SIGINT, SIGTERM and SIGHUP remove the
// temporary file and end the process with "Error: interrupted".
class OutputFile
{
public:
    // Throws EncoderError when the output exists and overwrite is false.
    OutputFile(const std::string &finalPath, bool overwrite);
    ~OutputFile(); // removes the temporary file unless commit() succeeded
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    const std::string &tempPath() const { return m_tempPath; }
    const std::string &finalPath() const { return m_finalPath; }

    // Renames the finished temporary file to the real name. Throws EncoderError on failure.
    void commit();

    // Installs the signal handlers (once per process).
    static void installSignalHandlers();

private:
    std::string m_finalPath;
    std::string m_tempPath;
    bool m_committed = false;
};

} // namespace encoder
