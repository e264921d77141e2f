#pragma once

#include <QString>

#include <set>

class Log;

// Finds and ends the encoders this program started. An encoder of anyone else, one started
// by hand included, is neither waited for nor ended.
class EncoderStopper
{
public:
    explicit EncoderStopper(Log &log) : m_log(log) {}

    // Ends every encoder this program started whose file name is that of path, then every
    // "tcore", retrying while one is left; keeps the windows responsive meanwhile.
    void Stop(const QString &path);
    // Id of a running process with that executable name that this program started, 0 (and
    // the log line "Get Process id error.") when there is none.
    qint64 ProcessIdByName(const QString &name);
    // Ends the processes with that executable name that this program started (with what
    // they started in turn); false and the log line "Terminate process error." when the
    // last attempt failed or nothing matched.
    bool TerminateByName(const QString &name);
    // Id of a running process with that name that this program started, or 0; silent.
    static qint64 FindEncoder(const QString &name);

    // The pause between two attempts of Stop.
    int RetryMs = 500;

private:
    Log &m_log;
    // Processes already asked to end: a second attempt no longer asks.
    std::set<qint64> m_askedToEnd;
};
