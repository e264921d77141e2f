// A mutation run over damaged sources: seed clips from make_fuzz_corpus.sh are damaged in
// several ways (bytes flipped, headers hit, cut short, blocks overwritten or repeated) and
// converted. Every run must end on its own, within the time limit, either with a complete
// output and exit 0 or with exit 1, one "Error: ..." line and nothing left behind; never with
// a crash or a sanitizer report. CLIPWRIGHT_FUZZ_ROUNDS sets the rounds (default 1).

#include "EncoderTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

using namespace enctest;

namespace {

std::string mutate(const std::string &seed, int kind, std::mt19937 &rng)
{
    std::string data = seed;
    if (data.empty())
        return data;
    auto pos = [&](size_t limit) {
        return std::uniform_int_distribution<size_t>(0, std::max<size_t>(limit, 1) - 1)(rng);
    };
    auto byte = [&]() { return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng)); };
    switch (kind) {
    case 0: // a few bytes anywhere
        for (int i = 0, n = 1 + static_cast<int>(pos(16)); i < n; ++i)
            data[pos(data.size())] = byte();
        break;
    case 1: // the headers
        for (int i = 0; i < 8; ++i)
            data[pos(std::min<size_t>(data.size(), 4096))] ^= static_cast<char>(1 << pos(8));
        break;
    case 2: // cut short
        data.resize(pos(data.size()));
        break;
    case 3: { // a block of noise
        size_t at = pos(data.size());
        size_t length = std::min(data.size() - at, 1 + pos(2048));
        for (size_t i = 0; i < length; ++i)
            data[at + i] = byte();
        break;
    }
    default: { // a block repeated elsewhere
        size_t from = pos(data.size());
        size_t length = std::min(data.size() - from, 1 + pos(4096));
        std::string block = data.substr(from, length);
        data.insert(pos(data.size()), block);
        break;
    }
    }
    return data;
}

TEST(EncoderFuzz, DamagedSourcesFailCleanlyOrConvert)
{
    TempDir corpus;
    const char *sourceDir = std::getenv("CLIPWRIGHT_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr);
    RunResult made = run({"/bin/bash", std::string(sourceDir) + "/tests/encoder/make_fuzz_corpus.sh",
                          corpus.path()},
                         300);
    ASSERT_EQ(made.exitCode, 0) << made.output;

    const char *roundsText = std::getenv("CLIPWRIGHT_FUZZ_ROUNDS");
    int rounds = roundsText ? std::max(1, std::atoi(roundsText)) : 1;
    std::mt19937 rng(20240607u + static_cast<unsigned>(rounds));
    const std::vector<std::string> types = {
        "-vcodec mpeg4 -acodec aac -b 128 -s 160x120 -r 15 -aspect 4:3 -ab 128 -vol 200 -ac 2 "
        "-ar 44100 -f 3gp -ss 00:00:01 -t 1",
        "-acodec amr_nb -s 176x144 -b 40 -ab 48 -vol 200 -ac 1 -ar 8000 -f 3g2",
        "-acodec mp3 -vn -ab 128 -vol 50 -ac 2 -ar 44100 -ss 00:00:00 -t 1",
    };
    int runs = 0, converted = 0;
    for (const std::string &seedName : corpus.entries()) {
        std::string seed = readFile(corpus.file(seedName));
        std::string ext = seedName.substr(seedName.find('.'));
        for (int round = 0; round < rounds; ++round) {
            for (int kind = 0; kind < 5; ++kind) {
                TempDir work;
                std::string damaged = work.file("damaged" + ext);
                writeFile(damaged, mutate(seed, kind, rng));
                const std::string &type = types[static_cast<size_t>(runs) % types.size()];
                std::string outExt = type.find("-f 3g2") != std::string::npos ? ".3g2"
                                     : type.find("-vn") != std::string::npos  ? ".mp3"
                                                                              : ".3gp";
                std::string output = work.file("out" + outExt);
                std::vector<std::string> argv = {tcorePath(), "-y", "-i", damaged};
                for (const std::string &w : words(type))
                    argv.push_back(w);
                argv.push_back(output);
                RunResult r = run(argv, 60);
                ++runs;
                std::vector<std::string> entries = work.entries();
                std::string problem;
                if (r.timedOut)
                    problem = "did not end within 60 s";
                else if (r.signal != 0)
                    problem = "ended by signal " + std::to_string(r.signal);
                else if (sanitizerReported(r.output))
                    problem = "sanitizer report";
                else if (r.exitCode == 0 &&
                         (!errorLines(r.output).empty() || entries.size() != 2u ||
                          streamCount(output, 'a') + streamCount(output, 'v') == 0))
                    problem = "exit 0 without a clean, readable output";
                else if (r.exitCode != 0 &&
                         (r.exitCode != 1 || errorLines(r.output).size() != 1u || entries.size() != 1u))
                    problem = "a failure without exit 1, one error line and no output";
                if (!problem.empty()) {
                    std::string kept = "/tmp/clipwright-fuzz-failure" + ext;
                    std::filesystem::copy_file(damaged, kept,
                                               std::filesystem::copy_options::overwrite_existing);
                    FAIL() << seedName << " damage " << kind << " round " << round << ": "
                           << problem << " (source kept as " << kept << ")\n"
                           << r.output.substr(0, 3000);
                }
                converted += r.exitCode == 0;
            }
        }
    }
    RecordProperty("runs", runs);
    RecordProperty("converted", converted);
    std::printf("%d damaged sources, %d converted, %d refused\n", runs, converted, runs - converted);
}

} // namespace
