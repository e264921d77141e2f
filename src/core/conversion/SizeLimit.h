#pragma once

#include <QString>
#include <QStringList>

// Fitting a job into a size limit: the bitrates that make a cut of some seconds end at or
// below the limit, with room for the container (3% and 4 KB), never above the profile's own.
// Pictures take what the sound leaves.
namespace SizeLimit {

// The lowest bitrates (kbit/s) worth writing: below them a job is refused, not spoiled.
inline constexpr int kLowestVideoK = 64;
inline constexpr int kLowestAudioK = 16;

struct Fit
{
    int videoK = 0; // the video bitrate to use (0 for audio-only types)
    int audioK = 0; // the audio bitrate to use
    bool limited = false; // the limit lowered a bitrate
    QString refusal;      // why the job cannot fit, for the log; empty when it does
    QString userRefusal;  // the same in the user's language, for the failure list
};

// limitMB in MiB (1048576 bytes); videoK 0 for an audio-only type. audioFixedK: a sound
// whose bitrate cannot be lowered (AMR-NB), else 0.
Fit FitInto(double limitMB, double seconds, int videoK, int audioK, int audioFixedK = 0);

// The choices the window offers: "None" (in the user's language), then "8 MB" to "100 MB".
QStringList Choices();
// Reads a limit as the user gives it: "None" (or its translation, or nothing) for none, else
// a number of MB above 0 in the user's or the C locale, with or without " MB" ("25",
// "25 MB", "12.5mb"). False for anything else
// ("0", "-3", "abc"), *mb then unchanged.
bool Parse(const QString &text, double *mb);
// The limit as the window shows it: "None" for 0, else "25 MB" or "12.5 MB".
QString Text(double mb);
// The message for a limit Parse refuses.
QString RefusalOf(const QString &text);

} // namespace SizeLimit
