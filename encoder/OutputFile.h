#pragma once

#include <functional>
#include <string>

#include <sys/stat.h>

namespace encoder {

// The output is written where no one sees it and appears under its real name only when
// complete, so a failed, interrupted or killed conversion never leaves a partial file under
// the real name. Where the file system allows, it is an unnamed file in the output's folder
// (O_TMPFILE) that vanishes with the process, however it ends; elsewhere a hidden file
// ".<name>.<pid>.part" beside the output (the middle shortened for long names; "~<n>" added
// when someone else took that name), made new so it never writes through a planted link,
// removed on failure and by the terminating signals that can be caught. A finished file is linked into
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

    // Gives the finished file its real name. Throws EncoderError on failure. An empty file
    // of this user's that stood under the name when the conversion began is the program's
    // claim: only that is replaced; whatever else is found there is kept and the output
    // takes the next free name ("name_1"), which note() then tells.
    void commit();

    // What the user should know about the commit, such as the name the output took when
    // another program wrote under its own; empty when nothing.
    const std::string &note() const { return m_note; }

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
    size_t m_nameMax = 255;  // the longest file name the folder takes
    int m_folderFd = -1;
    int m_unnamedFd = -1;    // the unnamed file, or -1 when writing under m_partName
    int m_partFd = -1;       // the hidden file made for writing, where there is no unnamed file
    struct stat m_claim{};   // the empty file that held the name at the start
    bool m_hasClaim = false;
    std::string m_note;
    bool m_committed = false;

    void commitOverClaim(const std::function<void(int)> &fail);
};

} // namespace encoder
