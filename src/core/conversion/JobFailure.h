#pragma once

#include "conversion/EncoderProcess.h"

#include <QString>

// Whether a finished job failed and the log line that says why: the same for the window's
// batch and for clipwright-cli.
namespace JobFailure {

// The log line for the job of source that ended with result, or empty text when the job
// did not fail. An encoder that could not start failed; one that exited non-zero failed
// unless the user stopped it.
QString LogLine(const QString &source, const EncoderResult &result, bool stoppedByUser);

// Why a failed job failed, in words that tell the user what to do, where the encoder's
// own line would not; else empty text.
QString UserReason(const EncoderResult &result);

// The last line the encoder wrote (progress reports end in a carriage return).
QString LastLine(const QString &output);

} // namespace JobFailure
