#pragma once

#include <QString>
#include <QtGlobal>

class OptionLists;

// What an output will weigh before it is converted: the bitrates the encoder will use times
// the cut's length, plus what its container adds. Sound is written at a constant bitrate, so
// audio-only outputs come out within a few per cent; pictures that are easy to encode (a
// still or a cartoon) may come out smaller than their bitrate allows.
namespace OutputSizeEstimate {

// The estimated bytes of output type t for a cut of seconds, with the option lists as they
// stand (their selected entries, or the command line's defaults where none is selected).
qint64 Bytes(OptionLists &boxes, int t, double seconds);

// The status line's total for files ticked rows: "3 files, about 42 MB".
QString TotalText(int files, qint64 bytes);

} // namespace OutputSizeEstimate
