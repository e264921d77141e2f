#pragma once

// Helpers shared by the encoder tests: running tcore/mcore and the ffmpeg tools, making
// media fixtures, and reading outputs back with ffprobe.

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace enctest {

struct RunResult
{
    int exitCode = -1;   // the exit status, or -1 when the process was ended by a signal
    int signal = 0;      // the signal that ended it, 0 if none
    bool timedOut = false;
    std::string output;  // stdout and stderr together
    double seconds = 0.0;
};

// Starts argv[0] (a path) with the arguments, its stdout and stderr on outputFd and its stdin
// on /dev/null. Returns the process id, or -1.
int spawn(const std::vector<std::string> &argv, int outputFd);

// Runs argv[0] (a path) with the arguments, collecting its output, killing it after timeout
// (a guard against hangs, generous for a loaded machine).
RunResult run(const std::vector<std::string> &argv, double timeoutSeconds = 180.0);

// Runs tcore on input with the options (a table's option string) into output.
RunResult convert(const std::string &input, const std::string &options, const std::string &output);

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);

// Splits a command line of blank-separated words (no quoting): a table's option string.
std::vector<std::string> words(const std::string &text);

// The built program folder's encoders.
std::string tcorePath();
std::string mcorePath();

// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }
    // Names of the entries in the folder (without . and ..).
    std::vector<std::string> entries() const;

private:
    std::string m_path;
};

// Runs ffmpeg with the arguments (quietly, overwriting); fails the calling test on error.
void ffmpeg(const std::vector<std::string> &args);

// The lavfi inputs of a standard fixture: a picture whose brightness rises by 50 per second
// and a tone whose loudness rises with time, so the content tells the time it came from.
std::vector<std::string> rampInputs(const std::string &size, int rate, double seconds,
                                    int sampleRate, int channels);

// ffprobe's key=value entries for one stream ("v:0", "a:0") or for the format ("format").
std::map<std::string, std::string> probe(const std::string &file, const std::string &what);
// Number of audio or video streams.
int streamCount(const std::string &file, char type);
// Decoded samples of the first audio stream, and frames of the first video stream.
long long decodedSamples(const std::string &file);
long long decodedFrames(const std::string &file);
// Mean brightness (0-255) of the first video frame.
double firstFrameBrightness(const std::string &file);
// The first video frame's luma (16 black to 235 white), one byte per pixel, row by row.
struct GrayFrame
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
    // Mean brightness of the rectangle [x0, x1) x [y0, y1), in fractions of the frame.
    double mean(double x0, double y0, double x1, double y1) const;
};
GrayFrame firstFrameGray(const std::string &file);
// Mean brightness of the middle of the first frame (half its width and height).
double firstFrameCentreBrightness(const std::string &file);
// The sound's 16-bit samples, all channels, from the given time on.
std::vector<short> soundSamples(const std::string &file, double from = 0.0);
// Peak amplitude (0-1) of the sound from 0.1 s to 0.2 s, past any codec's start-up.
double firstSoundPeak(const std::string &file);
// Peak amplitude (0-1) of the sound between two times in seconds.
double soundPeak(const std::string &file, double from, double to);

// The reports of an encoder's output: the pieces ended by "\r".
std::vector<std::string> progressReports(const std::string &output);
// The "Error: " lines of an encoder's output.
std::vector<std::string> errorLines(const std::string &output);
// Whether the output shows a sanitizer's report.
bool sanitizerReported(const std::string &output);

double toDouble(const std::string &text);

} // namespace enctest
