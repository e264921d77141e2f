#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace enctest {

int spawn(const std::vector<std::string> &argv, int outputFd)
{
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(outputFd, STDOUT_FILENO);
        ::dup2(outputFd, STDERR_FILENO);
        int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, STDIN_FILENO);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

RunResult run(const std::vector<std::string> &argv, double timeoutSeconds)
{
    RunResult result;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return result;
    auto started = std::chrono::steady_clock::now();
    pid_t pid = spawn(argv, pipeFds[1]);
    ::close(pipeFds[1]);
    char buffer[4096];
    for (;;) {
        double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (elapsed > timeoutSeconds && !result.timedOut) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
        }
        pollfd p{pipeFds[0], POLLIN, 0};
        int ready = ::poll(&p, 1, 100);
        if (ready > 0) {
            ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
            if (n > 0) {
                result.output.append(buffer, static_cast<size_t>(n));
                continue;
            }
            if (n == 0 || errno != EINTR)
                break;
        }
    }
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    return result;
}

RunResult convert(const std::string &input, const std::string &options, const std::string &output)
{
    std::vector<std::string> argv = {tcorePath(), "-y", "-i", input};
    for (const std::string &w : words(options))
        argv.push_back(w);
    argv.push_back(output);
    return run(argv);
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string word;
    while (in >> word)
        out.push_back(word);
    return out;
}

std::string tcorePath()
{
    const char *dir = std::getenv("CLIPWRIGHT_APP_DIR");
    return std::string(dir ? dir : ".") + "/tcore";
}

std::string mcorePath()
{
    const char *dir = std::getenv("CLIPWRIGHT_APP_DIR");
    return std::string(dir ? dir : ".") + "/mcore";
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "clipwright-enc-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()))
        m_path = buffer.data();
}

TempDir::~TempDir()
{
    std::error_code ec;
    if (!m_path.empty()) {
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
}

std::vector<std::string> TempDir::entries() const
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(m_path, ec))
        names.push_back(entry.path().filename().string());
    return names;
}

void ffmpeg(const std::vector<std::string> &args)
{
    std::vector<std::string> argv = {"/usr/bin/ffmpeg", "-nostdin", "-hide_banner", "-loglevel",
                                     "error", "-y"};
    argv.insert(argv.end(), args.begin(), args.end());
    RunResult r = run(argv, 120);
    ASSERT_EQ(r.exitCode, 0) << "ffmpeg failed: " << r.output;
}

std::vector<std::string> rampInputs(const std::string &size, int rate, double seconds,
                                    int sampleRate, int channels)
{
    std::string duration = std::to_string(seconds);
    std::string tone = "0.45*t/" + duration + "*sin(2*PI*440*t)";
    std::string expr = tone;
    for (int c = 1; c < channels; ++c)
        expr += "|" + tone;
    return {"-f", "lavfi", "-i",
            "color=c=black:size=" + size + ":rate=" + std::to_string(rate) + ":duration=" +
                duration + ",geq=lum='min(250\\,50*T)':cb=128:cr=128",
            "-f", "lavfi", "-i",
            "aevalsrc=" + expr + ":s=" + std::to_string(sampleRate) + ":d=" + duration};
}

namespace {

std::string probeText(const std::vector<std::string> &args)
{
    std::vector<std::string> argv = {"/usr/bin/ffprobe", "-v", "error"};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(argv, 60).output;
}

} // namespace

std::map<std::string, std::string> probe(const std::string &file, const std::string &what)
{
    std::vector<std::string> args;
    if (what == "format")
        args = {"-show_entries", "format", "-of", "default=nw=1", file};
    else
        args = {"-select_streams", what, "-show_entries", "stream", "-of", "default=nw=1", file};
    std::map<std::string, std::string> values;
    std::istringstream in(probeText(args));
    std::string line;
    while (std::getline(in, line)) {
        size_t eq = line.find('=');
        if (eq != std::string::npos && !values.count(line.substr(0, eq)))
            values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
}

int streamCount(const std::string &file, char type)
{
    std::string text = probeText({"-select_streams", std::string(1, type), "-show_entries",
                                  "stream=index", "-of", "csv=p=0", file});
    int count = 0;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        count += !line.empty();
    return count;
}

long long decodedSamples(const std::string &file)
{
    std::string text = probeText({"-select_streams", "a:0", "-show_entries", "frame=nb_samples",
                                  "-of", "csv=p=0", file});
    long long total = 0;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        total += std::atoll(line.c_str());
    return total;
}

long long decodedFrames(const std::string &file)
{
    std::string text = probeText({"-count_frames", "-select_streams", "v:0", "-show_entries",
                                  "stream=nb_read_frames", "-of", "csv=p=0", file});
    return std::atoll(text.c_str());
}

double toDouble(const std::string &text)
{
    return std::strtod(text.c_str(), nullptr);
}

double firstFrameBrightness(const std::string &file)
{
    std::string text = probeText({"-f", "lavfi", "-read_intervals", "%+#1", "-show_entries",
                                  "frame_tags=lavfi.signalstats.YAVG", "-of", "csv=p=0",
                                  "movie=" + file + ",signalstats"});
    return toDouble(text);
}

double GrayFrame::mean(double x0, double y0, double x1, double y1) const
{
    int left = static_cast<int>(std::lround(x0 * width)), right = static_cast<int>(std::lround(x1 * width));
    int top = static_cast<int>(std::lround(y0 * height)), bottom = static_cast<int>(std::lround(y1 * height));
    double sum = 0;
    long count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            sum += pixels[static_cast<size_t>(y) * width + x];
            ++count;
        }
    }
    return count ? sum / count : -1.0;
}

GrayFrame firstFrameGray(const std::string &file)
{
    GrayFrame frame;
    auto v = probe(file, "v:0");
    frame.width = std::atoi(v["width"].c_str());
    frame.height = std::atoi(v["height"].c_str());
    // ffmpeg turns a source with a quarter turn in its display matrix upright.
    int rotation = std::abs(std::atoi(v["rotation"].c_str()));
    if (rotation == 90 || rotation == 270)
        std::swap(frame.width, frame.height);
    std::string raw = file + ".gray";
    run({"/usr/bin/ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-i", file, "-frames:v", "1",
         "-f", "rawvideo", "-pix_fmt", "yuv420p", raw});
    std::string bytes = readFile(raw);
    std::remove(raw.c_str());
    // The luma plane comes first, in the video's own range, as the brightness filters see it.
    const size_t luma = static_cast<size_t>(frame.width) * frame.height;
    if (frame.width > 0 && bytes.size() >= luma)
        frame.pixels.assign(bytes.begin(), bytes.begin() + static_cast<long>(luma));
    else
        frame.width = frame.height = 0;
    return frame;
}

double firstFrameCentreBrightness(const std::string &file)
{
    return firstFrameGray(file).mean(0.25, 0.25, 0.75, 0.75);
}

std::vector<short> soundSamples(const std::string &file, double from)
{
    std::string raw = file + ".s16";
    run({"/usr/bin/ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-ss", std::to_string(from),
         "-i", file, "-vn", "-f", "s16le", "-acodec", "pcm_s16le", raw});
    std::string bytes = readFile(raw);
    std::remove(raw.c_str());
    std::vector<short> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

double firstSoundPeak(const std::string &file)
{
    return soundPeak(file, 0.1, 0.2);
}

double soundPeak(const std::string &file, double from, double to)
{
    std::vector<std::string> argv = {
        "/usr/bin/ffmpeg", "-nostdin", "-hide_banner", "-i", file, "-vn", "-af",
        "atrim=start=" + std::to_string(from) + ":end=" + std::to_string(to) +
            ",astats=metadata=0:reset=0",
        "-f", "null", "-"};
    std::string out = run(argv, 60).output;
    size_t at = out.rfind("Peak level dB:");
    if (at == std::string::npos)
        return -1.0;
    double db = toDouble(out.substr(at + 14));
    return std::pow(10.0, db / 20.0);
}

std::vector<std::string> progressReports(const std::string &output)
{
    std::vector<std::string> reports;
    size_t begin = 0;
    for (size_t i = 0; i < output.size(); ++i) {
        if (output[i] == '\r') {
            std::string piece = output.substr(begin, i - begin);
            while (!piece.empty() && piece.front() == '\n')
                piece.erase(piece.begin());
            reports.push_back(piece);
            begin = i + 1;
        }
    }
    return reports;
}

std::vector<std::string> errorLines(const std::string &output)
{
    std::vector<std::string> lines;
    std::string text = output;
    for (char &c : text) {
        if (c == '\r')
            c = '\n';
    }
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("Error: ", 0) == 0)
            lines.push_back(line);
    }
    return lines;
}

bool sanitizerReported(const std::string &output)
{
    return output.find("Sanitizer") != std::string::npos ||
           output.find("runtime error:") != std::string::npos;
}

} // namespace enctest
