#pragma once

// How many conversions of a batch run at the same time.
namespace ParallelJobs {

// The setting that lets the program decide.
inline constexpr int kAutomatic = 0;

// The cores of this machine, at least 1.
int Cores();
// As many jobs of output type `type` as keep `cores` cores busy without crowding them: one
// per core for the sound-only types (an encoder uses about one core), two for every three
// cores for the MPEG-4 and H.263 types (about 1.5 cores each: the picture and the sound
// on threads of their own), one for every four cores for H.264 and H.265 (x264 and x265
// spread over all cores themselves); 1 on a single core, and at most kMostAutomatic.
int Automatic(int cores, int type);

// The most jobs Automatic runs at once: the progress dialog shows a line for each, and
// sixteen lines still fit a screen 768 pixels high; on a machine with more cores than that,
// the disk and the memory rather than the cores set the pace of so many encoders.
inline constexpr int kMostAutomatic = 16;
// The jobs at once for a setting: kAutomatic decides by Automatic, any other number is
// taken as it is (at least 1).
int For(int setting, int cores, int type);

} // namespace ParallelJobs
