// What the encoders do with bad input, bad settings and interruption: a non-zero exit, one
// "Error: ..." line, no crash, no output left behind, within seconds. Also the shape and
// timing of the progress reports as a reader of the pipe sees them.

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <poll.h>
#include <regex>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace enctest;

namespace {

const char kNormal3gp[] = "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 "
                          "-ab 128 -vol 200 -ac 2 -ar 44100 -f 3gp";

class EncoderFailures : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        // 2.5 s sources; the MP4 keeps its index at the end, as ffmpeg writes it.
        for (const char *name : {"good.mp4", "good.avi"}) {
            std::vector<std::string> args = rampInputs("176x144", 25, 2.5, 44100, 1);
            args.push_back(s_dir->file(name));
            ffmpeg(args);
        }
        std::vector<std::string> pictures = {"-f", "lavfi", "-i",
                                             "testsrc=size=176x144:rate=25:duration=1",
                                             s_dir->file("pictures.mp4")};
        ffmpeg(pictures);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TempDir *s_dir;

    // Runs the encoder and checks the failure: exit 1 (never a hang), one error line,
    // nothing left in the output folder.
    static void expectFailure(const std::string &encoder, const std::string &input,
                              const std::string &options, const std::string &outputFolder,
                              const std::string &errorPart)
    {
        std::vector<std::string> argv = {encoder, "-y", "-i", input};
        for (const std::string &w : words(options))
            argv.push_back(w);
        argv.push_back(outputFolder + "/clip.3gp");
        RunResult r = run(argv, 60);
        EXPECT_FALSE(r.timedOut);
        EXPECT_EQ(r.exitCode, 1) << r.output;
        EXPECT_FALSE(sanitizerReported(r.output)) << r.output;
        std::vector<std::string> errors = errorLines(r.output);
        ASSERT_EQ(errors.size(), 1u) << r.output;
        EXPECT_NE(errors[0].find(errorPart), std::string::npos) << errors[0];
        std::error_code ec;
        if (std::filesystem::is_directory(outputFolder, ec)) {
            for (const auto &entry : std::filesystem::directory_iterator(outputFolder, ec)) {
                std::string name = entry.path().filename().string();
                if (name.rfind("clip", 0) == 0 || name.rfind(".clip", 0) == 0)
                    ADD_FAILURE() << "left behind: " << entry.path();
            }
        }
    }
};

TempDir *EncoderFailures::s_dir = nullptr;

TEST_F(EncoderFailures, BadSources)
{
    TempDir work;
    TempDir out;
    std::string good = readFile(s_dir->file("good.mp4"));
    writeFile(work.file("empty.avi"), "");
    writeFile(work.file("truncated.mp4"), good.substr(0, good.size() / 2));
    writeFile(work.file("text.avi"), "This is a letter, not a film.\nRegards\n");
    std::string flipped = good;
    for (size_t i = 0; i < flipped.size(); i += 7)
        flipped[i] = static_cast<char>(flipped[i] ^ 0x5a);
    writeFile(work.file("flipped.mp4"), flipped);

    struct Case
    {
        const char *file;
        const char *error;
    } cases[] = {
        {"missing.avi", "does not exist"},
        {"empty.avi", "is empty"},
        {"truncated.mp4", "cannot read"},
        {"text.avi", "cannot read"},
        {"flipped.mp4", "cannot read"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        expectFailure(tcorePath(), work.file(c.file), kNormal3gp, out.path(), c.error);
    }
    // A source with pictures only has nothing for a sound-only type.
    expectFailure(tcorePath(), s_dir->file("pictures.mp4"), "-acodec mp3 -vn -ab 128 -ac 2 -ar 44100",
                  out.path(), "no audio or video stream");
}

TEST_F(EncoderFailures, BadSettings)
{
    TempDir out;
    std::string source = s_dir->file("good.avi");
    struct Case
    {
        std::string options;
        const char *error;
    } cases[] = {
        {std::string(kNormal3gp) + " -ss 00:00:00 -t 0", "nothing to convert"},
        {std::string(kNormal3gp) + " -ss 00:01:00 -t 10", "past the end"},
        {std::string(kNormal3gp) + " -deinterlace", "unknown option -deinterlace"},
        {"-vcodec theora -acodec aac", "unknown video codec"},
        {"-vcodec mpeg4 -acodec aac -s 160x", "invalid value"},
        {"-vcodec mpeg4 -acodec aac -ar 12345", "invalid value"},
        {"-vcodec mpeg4 -acodec aac -ac 6", "invalid value"},
        {"-vcodec mpeg4 -acodec aac -r fast", "invalid value"},
        {"-vcodec mpeg4 -acodec aac -f mkv", "unknown output format"},
        {"-vcodec mpeg4 -acodec aac -b fast", "invalid value"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options);
        expectFailure(tcorePath(), source, c.options, out.path(), c.error);
    }
}

TEST_F(EncoderFailures, UnwritableOutputFolders)
{
    TempDir work;
    expectFailure(tcorePath(), s_dir->file("good.avi"), kNormal3gp, work.file("no/such/folder"),
                  "does not exist");
    // A folder nobody may write to; the superuser may write anywhere but in /proc.
    std::string locked = work.file("locked");
    ::mkdir(locked.c_str(), 0555);
    expectFailure(tcorePath(), s_dir->file("good.avi"), kNormal3gp,
                  ::geteuid() == 0 ? std::string("/proc") : locked, "output");
}

TEST_F(EncoderFailures, BadScripts)
{
    TempDir work;
    TempDir out;
    std::string script = work.file("VideoFile.avs");
    writeFile(script, "DirectShowSource(\"" + work.file("gone.rm") +
                          "\", fps=29.9700898503294, convertfps=true)\r\n");
    expectFailure(mcorePath(), script, kNormal3gp, out.path(), "does not exist");
    writeFile(script, "Import(\"plugins.avsi\")\r\nBlankClip()\r\n");
    expectFailure(mcorePath(), script, kNormal3gp, out.path(), "malformed script");
    writeFile(script, "DirectShowSource(\"" + work.file("gone.rm") + "\r\n");
    expectFailure(mcorePath(), script, kNormal3gp, out.path(), "malformed script");
    expectFailure(mcorePath(), work.file("none.avs"), kNormal3gp, out.path(), "cannot open the script");
}

// An output that exists is replaced only by a finished conversion.
TEST_F(EncoderFailures, FailedConversionKeepsTheOldOutput)
{
    TempDir out;
    std::string output = out.file("clip.3gp");
    writeFile(output, "the earlier conversion");
    std::vector<std::string> argv = {tcorePath(), "-y", "-i", out.file("missing.avi")};
    for (const std::string &w : words(kNormal3gp))
        argv.push_back(w);
    argv.push_back(output);
    RunResult r = run(argv);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(readFile(output), "the earlier conversion");
    EXPECT_EQ(out.entries().size(), 1u);
}

// A disk that fails in the middle of the source: only a real end of the file ends the
// input; a read error fails the conversion, names the source and leaves nothing behind.
TEST_F(EncoderFailures, ReadErrorInTheSourceFails)
{
    TempDir work;
    TempDir out;
    std::string faststart = work.file("faststart.mp4");
    std::string mkv = work.file("good.mkv");
    ffmpeg({"-i", s_dir->file("good.mp4"), "-c", "copy", "-movflags", "+faststart", faststart});
    ffmpeg({"-i", s_dir->file("good.mp4"), "-c", "copy", mkv});
    ASSERT_FALSE(HasFatalFailure());

    std::string asan = std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : "";
    ::setenv("ASAN_OPTIONS", (asan + ":verify_asan_link_order=0").c_str(), 1);
    ::setenv("LD_PRELOAD", READ_FAIL_SHIM, 1);
    for (const std::string &source : {s_dir->file("good.avi"), faststart, mkv, s_dir->file("good.mp4")}) {
        SCOPED_TRACE(source);
        size_t size = readFile(source).size();
        ::setenv("CLIPWRIGHT_FAIL_FILE", source.c_str(), 1);
        ::setenv("CLIPWRIGHT_FAIL_OFFSET", std::to_string(size / 2).c_str(), 1);
        expectFailure(tcorePath(), source, kNormal3gp, out.path(),
                      "cannot read the input \"" + source + "\": Input/output error");
        // The same source reads to its end when the disk fails only beyond it.
        ::setenv("CLIPWRIGHT_FAIL_OFFSET", std::to_string(size + 1).c_str(), 1);
        std::vector<std::string> argv = {tcorePath(), "-y", "-i", source};
        for (const std::string &w : words(kNormal3gp))
            argv.push_back(w);
        argv.push_back(out.file("whole.3gp"));
        EXPECT_EQ(run(argv).exitCode, 0);
    }
    ::unsetenv("LD_PRELOAD");
    ::unsetenv("CLIPWRIGHT_FAIL_FILE");
    ::unsetenv("CLIPWRIGHT_FAIL_OFFSET");
    asan.empty() ? ::unsetenv("ASAN_OPTIONS") : ::setenv("ASAN_OPTIONS", asan.c_str(), 1);
}

RunResult convertToMp3(const std::string &source, const std::string &output)
{
    return run({tcorePath(), "-y", "-i", source, "-acodec", "mp3", "-vn", "-ab", "64", "-ac",
                "1", "-ar", "22050", output});
}

// Every name the file system takes works, however little room it leaves for the hidden
// name of the partial file.
TEST_F(EncoderFailures, LongOutputNames)
{
    std::string accented;
    while (accented.size() < 250)
        accented += "\xc3\xa9"; // é
    for (const std::string &name : {std::string(240, 'a') + ".mp3", std::string(246, 'b') + ".mp3",
                                    std::string(251, 'c') + ".mp3", accented + ".mp3"}) {
        SCOPED_TRACE(name.size());
        TempDir out;
        RunResult r = convertToMp3(s_dir->file("good.avi"), out.file(name));
        EXPECT_EQ(r.exitCode, 0) << r.output;
        EXPECT_EQ(out.entries(), std::vector<std::string>{name});
    }
}

// Partial files of the same output whose encoder no longer runs are removed when the next
// conversion of that output starts; those of running encoders and of other outputs stay.
TEST_F(EncoderFailures, StalePartialFilesAreRemoved)
{
    TempDir work;
    TempDir out;
    pid_t dead = spawn({"/bin/true"}, STDERR_FILENO);
    ::waitpid(dead, nullptr, 0);
    // A running process that goes by the encoder's name.
    std::filesystem::copy_file("/bin/sleep", work.file("tcore"));
    std::filesystem::permissions(work.file("tcore"), std::filesystem::perms::owner_all);
    pid_t live = spawn({work.file("tcore"), "60"}, STDERR_FILENO);
    ASSERT_GT(live, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    std::string longName = std::string(248, 'x') + ".mp3";
    std::string deadPid = std::to_string(dead);
    // How the encoder shortens the middle of a hidden name that would pass 255 bytes.
    std::string longPart = "." + longName.substr(0, 255 - 1 - (deadPid.size() + 6)) + "." + deadPid + ".part";
    const std::vector<std::string> stale = {".clip.mp3." + deadPid + ".part", longPart};
    const std::vector<std::string> kept = {".clip.mp3." + std::to_string(live) + ".part",
                                           ".other.mp3." + deadPid + ".part"};
    for (const std::string &name : stale)
        writeFile(out.file(name), "left by a killed encoder");
    for (const std::string &name : kept)
        writeFile(out.file(name), "not this output's or still running");

    EXPECT_EQ(convertToMp3(s_dir->file("good.avi"), out.file("clip.mp3")).exitCode, 0);
    EXPECT_EQ(convertToMp3(s_dir->file("good.avi"), out.file(longName)).exitCode, 0);
    ::kill(live, SIGKILL);
    ::waitpid(live, nullptr, 0);

    std::vector<std::string> entries = out.entries();
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> expected = kept;
    expected.push_back("clip.mp3");
    expected.push_back(longName);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
}

// A source fed through a named pipe keeps the encoder busy for as long as the test wants.
class FedConversion
{
public:
    FedConversion(const TempDir &work, const std::string &outputFolder)
    {
        ::signal(SIGPIPE, SIG_IGN); // an encoder that ended early fails the write, not the test
        m_fifo = work.file("live.mpg");
        ::mkfifo(m_fifo.c_str(), 0600);
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return;
        std::vector<std::string> argv = {tcorePath(), "-y", "-i", m_fifo};
        for (const std::string &w : words(kNormal3gp))
            argv.push_back(w);
        argv.push_back(outputFolder + "/clip.3gp");
        m_pid = spawn(argv, fds[1]);
        ::close(fds[1]);
        m_output = fds[0];
        // The pipe opens for writing once the encoder opens it for reading; an encoder that
        // failed before that must not leave the test waiting.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while ((m_feed = ::open(m_fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (m_feed >= 0)
            ::fcntl(m_feed, F_SETFL, ::fcntl(m_feed, F_GETFL) & ~O_NONBLOCK);
    }
    ~FedConversion()
    {
        if (m_feed >= 0)
            ::close(m_feed);
        if (m_output >= 0)
            ::close(m_output);
        if (m_pid > 0 && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool feed(const std::string &bytes)
    {
        if (m_feed < 0)
            return false;
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::write(m_feed, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }
    void endFeed()
    {
        if (m_feed >= 0)
            ::close(m_feed);
        m_feed = -1;
    }
    // Reads what the encoder wrote so far, one read() per chunk.
    std::vector<std::string> readChunks(int waitMs)
    {
        std::vector<std::string> chunks;
        pollfd p{m_output, POLLIN, 0};
        while (::poll(&p, 1, waitMs) > 0) {
            char buffer[1024];
            ssize_t n = ::read(m_output, buffer, sizeof buffer);
            if (n <= 0)
                break;
            chunks.emplace_back(buffer, static_cast<size_t>(n));
            waitMs = 0;
        }
        return chunks;
    }
    int wait()
    {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_reaped = true;
        return status;
    }
    pid_t pid() const { return m_pid; }

private:
    std::string m_fifo;
    pid_t m_pid = -1;
    int m_output = -1;
    int m_feed = -1;
    bool m_reaped = false;
};

// 12 s of MPEG-1 program stream, a format that can be read as it arrives; made once.
std::string longMpeg(const TempDir &dir)
{
    std::string path = dir.file("long.mpg");
    if (!std::filesystem::exists(path)) {
        std::vector<std::string> args = rampInputs("176x144", 25, 12.0, 44100, 1);
        for (const char *w : {"-c:v", "mpeg1video", "-c:a", "mp2"})
            args.push_back(w);
        args.push_back(path);
        ffmpeg(args);
    }
    return readFile(path);
}

// Whether the process has a file in the folder open (an unnamed one shows as "(deleted)").
bool writesInto(pid_t pid, const std::string &folder)
{
    std::error_code ec;
    std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto &entry : std::filesystem::directory_iterator(fds, ec)) {
        std::string target = std::filesystem::read_symlink(entry.path(), ec).string();
        if (!ec && target.rfind(folder + "/", 0) == 0)
            return true;
    }
    return false;
}

// Every way an encoder can be ended, the uncatchable kill included, leaves nothing behind.
TEST_F(EncoderFailures, TerminationRemovesThePartialOutput)
{
    std::string source = longMpeg(*s_dir);
    ASSERT_FALSE(HasFatalFailure());
    for (int sig : {SIGTERM, SIGQUIT, SIGUSR1, SIGALRM, SIGKILL}) {
        SCOPED_TRACE(sig);
        TempDir work;
        TempDir out;
        FedConversion conversion(work, out.path());
        ASSERT_GT(conversion.pid(), 0);
        ASSERT_TRUE(conversion.feed(source.substr(0, source.size() * 3 / 4)));
        // Wait until the encoder has a file open in the output folder, named or not.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!writesInto(conversion.pid(), out.path()) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_TRUE(writesInto(conversion.pid(), out.path())) << "the encoder never started writing";
        ::kill(conversion.pid(), sig);
        int status = conversion.wait();
        std::string text;
        for (const std::string &chunk : conversion.readChunks(100))
            text += chunk;
        if (sig == SIGKILL) {
            EXPECT_TRUE(WIFSIGNALED(status));
        } else {
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_NE(WEXITSTATUS(status), 0);
            EXPECT_EQ(errorLines(text), std::vector<std::string>{"Error: interrupted"});
        }
        EXPECT_TRUE(out.entries().empty());
    }
}

// A folder renamed while its output is written gets the finished output, and no partial
// file is left anywhere.
TEST_F(EncoderFailures, RenamedOutputFolderGetsTheOutput)
{
    TempDir work;
    TempDir out;
    std::string source = longMpeg(*s_dir);
    ASSERT_FALSE(HasFatalFailure());
    std::string folder = out.file("before");
    ::mkdir(folder.c_str(), 0755);
    FedConversion conversion(work, folder);
    ASSERT_GT(conversion.pid(), 0);
    ASSERT_TRUE(conversion.feed(source.substr(0, source.size() / 2)));
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!writesInto(conversion.pid(), folder) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(writesInto(conversion.pid(), folder)) << "the encoder never started writing";
    ASSERT_EQ(::rename(folder.c_str(), out.file("after").c_str()), 0);
    ASSERT_TRUE(conversion.feed(source.substr(source.size() / 2)));
    conversion.endFeed();
    int status = conversion.wait();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(out.entries(), std::vector<std::string>{"after"});
    EXPECT_EQ(std::vector<std::string>{"clip.3gp"}, [&] {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(out.file("after")))
            names.push_back(entry.path().filename().string());
        return names;
    }());
}

// Reports come at most every 500 ms, each in one piece ending in "\r", and the last one
// tells the whole length.
TEST_F(EncoderFailures, ProgressReportsArriveWhole)
{
    TempDir work;
    TempDir out;
    std::string source = longMpeg(*s_dir);
    ASSERT_FALSE(HasFatalFailure());
    FedConversion conversion(work, out.path());
    ASSERT_GT(conversion.pid(), 0);
    auto started = std::chrono::steady_clock::now();
    std::vector<std::string> chunks;
    const size_t step = source.size() / 12;
    for (size_t at = 0; at < source.size(); at += step) {
        ASSERT_TRUE(conversion.feed(source.substr(at, step)));
        auto more = conversion.readChunks(200);
        chunks.insert(chunks.end(), more.begin(), more.end());
    }
    conversion.endFeed();
    int status = conversion.wait();
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    auto rest = conversion.readChunks(100);
    chunks.insert(chunks.end(), rest.begin(), rest.end());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    std::regex report(R"(frame= *\d+ q=\d+\.\d size= *\d+kB time=(\d+\.\d\d) bitrate= *\d+\.\dkbits/s)");
    std::string all;
    for (const std::string &chunk : chunks) {
        ASSERT_FALSE(chunk.empty());
        EXPECT_TRUE(chunk.back() == '\r' || chunk.back() == '\n') << "a report was split: " << chunk;
        all += chunk;
    }
    std::vector<std::string> reports = progressReports(all);
    ASSERT_GE(reports.size(), 2u) << all;
    EXPECT_LE(static_cast<double>(reports.size()), elapsed / 0.5 + 2) << all;
    double last = -1;
    for (const std::string &r : reports) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(r, m, report)) << r;
        EXPECT_GE(toDouble(m[1]), last);
        last = toDouble(m[1]);
    }
    EXPECT_NEAR(last, 12.0, 0.1);
}

} // namespace

// The empty file the program claims the output's name with is replaced by the output; a
// file another program writes under that name meanwhile (by replacing it, or rewriting it
// in place) is kept, the output takes the next free name, and the encoder's last line says
// so. The same holds where the partial file has a hidden name instead of none.
TEST_F(EncoderFailures, AFileWrittenUnderTheClaimedNameMeanwhileIsKept)
{
    std::string source = longMpeg(*s_dir);
    ASSERT_FALSE(HasFatalFailure());
    enum class Other { None, Replaces, Rewrites };
    for (bool unnamed : {true, false}) {
        for (Other other : {Other::None, Other::Replaces, Other::Rewrites}) {
            SCOPED_TRACE(std::string(unnamed ? "unnamed" : "hidden") + " " +
                         std::to_string(static_cast<int>(other)));
            TempDir work;
            TempDir out;
            writeFile(out.file("clip.3gp"), ""); // the program's claim
            if (!unnamed)
                ::setenv("LD_PRELOAD", NO_UNNAMED_FILE_SHIM, 1);
            FedConversion conversion(work, out.path());
            ::unsetenv("LD_PRELOAD");
            ASSERT_GT(conversion.pid(), 0);
            ASSERT_TRUE(conversion.feed(source.substr(0, source.size() / 2)));
            auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!writesInto(conversion.pid(), out.path()) && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ASSERT_TRUE(writesInto(conversion.pid(), out.path()));
            const std::string theirs = "written by another program";
            if (other == Other::Replaces) {
                writeFile(out.file("theirs.tmp"), theirs);
                ASSERT_EQ(::rename(out.file("theirs.tmp").c_str(), out.file("clip.3gp").c_str()), 0);
            } else if (other == Other::Rewrites) {
                writeFile(out.file("clip.3gp"), theirs);
            }
            ASSERT_TRUE(conversion.feed(source.substr(source.size() / 2)));
            conversion.endFeed();
            std::string text;
            int status = 0;
            std::thread reader([&] {
                for (auto chunks = conversion.readChunks(60000); !chunks.empty();
                     chunks = conversion.readChunks(60000))
                    for (const std::string &chunk : chunks)
                        text += chunk;
            });
            status = conversion.wait();
            reader.join();
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << text;
            std::vector<std::string> entries = out.entries();
            std::sort(entries.begin(), entries.end());
            if (other == Other::None) {
                EXPECT_EQ(entries, std::vector<std::string>{"clip.3gp"});
                EXPECT_GT(readFile(out.file("clip.3gp")).size(), 1000u);
                continue;
            }
            EXPECT_EQ(entries, (std::vector<std::string>{"clip.3gp", "clip_1.3gp"}));
            EXPECT_EQ(readFile(out.file("clip.3gp")), theirs);
            EXPECT_GT(readFile(out.file("clip_1.3gp")).size(), 1000u);
            EXPECT_NE(text.find("\nNote: \"" + out.file("clip.3gp") +
                                "\" was written by another program meanwhile; the output is \"" +
                                out.file("clip_1.3gp") + "\"\n"),
                      std::string::npos)
                << text;
        }
    }
}

// Where there are no unnamed files, the hidden partial file has a name that another user
// of a shared output folder can guess. Links planted under every name it could take never
// lead the output into another file, and neither they nor another user's partial file are
// removed as stale.
TEST_F(EncoderFailures, PlantedLinksAtThePartialFileNamesAreNeverFollowed)
{
    TempDir work;
    TempDir out;
    ::chmod(out.path().c_str(), 01777);
    const std::string text = "a letter of the user's\n";
    writeFile(work.file("letter.txt"), text);
    const bool root = ::geteuid() == 0;
    const uid_t nobody = 65534;
    pid_t dead = spawn({"/bin/true"}, STDERR_FILENO);
    ::waitpid(dead, nullptr, 0);
    const std::string othersPart = out.file(".clip.mp3." + std::to_string(dead) + ".part");
    writeFile(othersPart, "another user's partial file");
    if (root) {
        ASSERT_EQ(::chown(othersPart.c_str(), nobody, nobody), 0);
    }
    long last = std::stol(readFile("/proc/sys/kernel/ns_last_pid"));
    const long first = last + 1, end = last + 4000;
    for (long pid = first; pid < end; ++pid) {
        const std::string link = out.file(".clip.mp3." + std::to_string(pid) + ".part");
        ASSERT_EQ(::symlink(work.file("letter.txt").c_str(), link.c_str()), 0);
        if (root) {
            ASSERT_EQ(::lchown(link.c_str(), nobody, nobody), 0);
        }
    }

    ::setenv("LD_PRELOAD", NO_UNNAMED_FILE_SHIM, 1);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    pid_t encoder = spawn({tcorePath(), "-y", "-i", s_dir->file("good.avi"), "-acodec", "mp3", "-vn",
                           "-ab", "64", "-ac", "1", "-ar", "22050", out.file("clip.mp3")},
                          fds[1]);
    ::unsetenv("LD_PRELOAD");
    ::close(fds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(encoder, &status, 0);
    ASSERT_TRUE(encoder >= first && encoder < end) << "the test planted no link for pid " << encoder;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    EXPECT_EQ(readFile(work.file("letter.txt")), text);
    RunResult probe = run({"/usr/bin/ffprobe", "-v", "error", "-show_entries", "stream=codec_name",
                           "-of", "csv=p=0", out.file("clip.mp3")});
    EXPECT_EQ(probe.output, "mp3\n");
    EXPECT_EQ(out.entries().size(), size_t(end - first) + 2);
    EXPECT_TRUE(std::filesystem::exists(othersPart));
}
