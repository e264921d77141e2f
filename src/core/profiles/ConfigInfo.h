#pragma once

#include <QStringList>

// The fixed tables of output types, option lists, quality levels and profile sets.
// Every accessor returns a new list in table order. An option table carries the index of
// its default choice as one extra last entry; the per-output-type tables carry none.
namespace ConfigInfo {

// Option tables (choices, then the default index).
QStringList OutputTypes();
QStringList QualityNames();
QStringList VideoSizes();
QStringList VideoBitrates();
QStringList FrameRates();
QStringList AspectRatios();
QStringList AudioBitrates();
QStringList SampleRates();
QStringList AudioChannels();
QStringList VolumeSteps();

// Per-output-type tables, indexed like OutputTypes (no default entry).
QStringList Extensions();
QStringList CodecArgs();
QStringList FormatNames();
// The short names by which scripts choose an output type (clipwright-cli --type): one per
// output type, unique, in small letters.
QStringList ShortNames();
// The output type whose short name or number (1-based, as listed) is text, or -1.
int OutputTypeByName(const QString &text);

// Profile sets: five profile strings in the order of QualityNames.
QStringList cst3GPMP4Profile();
QStringList cst3GPAMRNBProfile();
QStringList cst3G2MP4Profile();
QStringList cst3G2AMRNBProfile();
QStringList cstMP4Profile();
QStringList cstAMRProfile();
QStringList cstAACProfile();
QStringList cstMP3Profile();
QStringList cstH264Profile();
QStringList cstH265Profile();
QStringList cstM4AProfile();

// The profile set of output type t, or an empty list when t is no output type.
QStringList ProfileSetOf(int t);

// Whether a frame size ("1280x720") has the shape 16:9 (within 1%: 854x480 is one).
bool IsWideSize(const QString &size);

// Whether output type t writes pictures (the video option lists apply to it).
bool HoldsVideo(int t);

// The number of output types: the eight classic ones, then today's three.
inline constexpr int kOutputTypeCount = 11;
inline constexpr int kH264OutputType = 8;
inline constexpr int kH265OutputType = 9;
inline constexpr int kM4aOutputType = 10;
// The number of quality levels; a profile list entry at this position or later is custom.
inline constexpr int kQualityCount = 5;
// The output type index of AMR audio files.
inline constexpr int kAmrOutputType = 5;

// The frame rate choice that keeps the source's own rate (at most 30 frames per second).
inline constexpr const char *kSameFrameRate = "Same as source";
inline constexpr int kSameFrameRateCap = 30;

// The text of a profile string that changes nothing.
inline constexpr const char *kNoProfile = "none|none|none|none|none|none";

} // namespace ConfigInfo
