#pragma once

#include <QString>

#include <cstdio>
#include <optional>
#include <optional>

// What clipwright-cli tells about its files: one line per file when it ends, as text or as
// JSON lines on standard output, a live progress line on a terminal, and the refusals on
// standard error.
class CliReport
{
public:
    // json: JSON lines; liveProgress: a progress line that is rewritten in place (text on a
    // terminal only).
    CliReport(bool json, bool liveProgress, std::FILE *out = stdout, std::FILE *err = stderr);

    // A source that was not taken, and why: on standard error, and as a failed file.
    void Refused(const QString &file, const QString &reason);
    // The current file's progress; JSON progress at most twice a second, with the current
    // file's speed (x real time) and the run's time left in seconds, null until known.
    void Progress(const QString &file, int percent, std::optional<double> speed = std::nullopt,
                  std::optional<qint64> runLeftMs = std::nullopt);
    void Done(const QString &file, const QString &output, qint64 bytes, double seconds);
    void Failed(const QString &file, const QString &reason);
    // The last JSON line: how many converted and how many failed.
    void Summary();

    int Converted() const { return m_converted; }
    int FailedCount() const { return m_failed; }

private:
    void clearProgressLine();
    void line(const QByteArray &text);

    bool m_json;
    bool m_live;
    std::FILE *m_out;
    std::FILE *m_err;
    int m_converted = 0;
    int m_failed = 0;
    bool m_progressShown = false;
    qint64 m_lastProgressMs = -1;
    int m_lastPercent = -1;
};
