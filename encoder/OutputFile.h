#pragma once

#include <string>

namespace encoder {

// The output is written where no one sees it and appears under its real name only when
// complete, so a failed, interrupted or killed conversion never leaves a partial file under
// the real name. Where the file system allows, it is an unnamed file in the output's folder
// (O_TMPFILE) that vanishes with the process, however it ends; elsewhere a hidden file
// ".<name>.<pid>.part" beside the output (the middle shortened for long names), removed on
// failure and by the terminating signals that can be caught. A finished file is linked into
// the folder the conversion started in, even if that folder was renamed meanwhile.
class OutputFile
{
public:
    // Throws EncoderError when the output exists and overwrite is false, or its folder is
    // missing or not writable. Removes partial files of the same output name left by
    // encoders that no longer run.
    OutputFile(const std::string &finalPath, bool overwrite);
    ~OutputFile(); // removes the partial file unless commit() succeeded
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // The path to write the output to.
    const std::string &tempPath() const { return m_writePath; }
    const std::string &finalPath() const { return m_finalPath; }

    // Gives the finished file its real name. Throws EncoderError on failure.
    void commit();

    // Installs the signal handlers (once per process): they remove the partial file and end
    // the process with "Error: interrupted".
    static void installSignalHandlers();

    // The hidden name of a partial file: "." + name + "." + pid + ".part", with name cut (at
    // a character boundary) so that the whole stays within maxBytes.
    static std::string partName(const std::string &name, long pid, size_t maxBytes);

private:
    std::string m_finalPath;
    std::string m_name;      // the output's file name within its folder
    std::string m_partName;  // the hidden name (always used at commit)
    std::string m_writePath; // what the muxer opens
    int m_folderFd = -1;
    int m_unnamedFd = -1;    // the unnamed file, or -1 when writing under m_partName
    bool m_committed = false;
};

} // namespace encoder
