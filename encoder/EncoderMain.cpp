#include "EncoderMain.h"

#include "AvsScript.h"
#include "EncoderError.h"
#include "EncoderOptions.h"
#include "OutputFile.h"
#include "PassLog.h"
#include "ProgressReporter.h"
#include "Transcoder.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

namespace encoder {
namespace {

void writeError(const std::string &message)
{
    std::string line = "Error: " + message;
    for (char &c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    // Start on a fresh line when a progress report stands before it.
    line = "\n" + line + "\n";
    ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
    (void)ignored;
}

} // namespace

int runEncoder(int argc, char **argv, EncoderKind kind)
{
    // Library messages would break the progress reports the program reads; the one error
    // line says what went wrong. CLIPWRIGHT_ENCODER_DEBUG shows them for diagnosis.
    av_log_set_level(std::getenv("CLIPWRIGHT_ENCODER_DEBUG") ? AV_LOG_DEBUG : AV_LOG_QUIET);
    OutputFile::installSignalHandlers();
    try {
        EncoderOptions options = parseEncoderOptions(std::vector<std::string>(argv + 1, argv + argc));
        SourceSpec source{options.input, std::nullopt};
        if (kind == EncoderKind::Script) {
            AvsScript script = readAvsScript(options.input);
            source.path = script.sourcePath;
            source.deliveredFps = script.fps;
        }
        containerFor(options); // an unknown output type fails before any work
        std::optional<PassLog> passLog;
        if (options.twoPass) {
            passLog.emplace(options.passLogFile);
            options.passLogFile = passLog->path();
            options.passStage = 2;
        }
        Transcoder transcoder(options, source);
        transcoder.open();
        OutputFile out(options.output, options.overwrite);
        ProgressReporter progress(STDERR_FILENO, transcoder.reportsVideo());
        if (options.twoPass) {
            // The first pass only analyses the pictures; each pass reports half the time.
            EncoderOptions first = options;
            first.passStage = 1;
            Transcoder analysis(first, source);
            analysis.open();
            if (analysis.convertsVideo()) {
                progress.mapTime(0.5, 0.0);
                double analysed = analysis.run(std::string(), progress);
                progress.mapTime(0.5, analysed * 0.5);
            }
        }
        transcoder.run(out.tempPath(), progress);
        out.commit();
        // A note, when there is one, is the last line the program reads.
        const std::string end = out.note().empty() ? "\n" : "\n" + out.note() + "\n";
        ssize_t ignored = ::write(STDERR_FILENO, end.data(), end.size());
        (void)ignored;
        return 0;
    } catch (const EncoderError &e) {
        writeError(e.what());
    } catch (const std::bad_alloc &) {
        writeError("out of memory");
    } catch (const std::exception &e) {
        writeError(e.what());
    }
    return 1;
}

} // namespace encoder
