#pragma once

#include <QString>

// The conversion job record: everything one encoder run needs, filled by
// JobBuilder::Build before each job and kept until the next job overwrites it.
// Fragment fields are empty or begin with a blank, so a command line is their plain
// concatenation.
struct ConversionJob
{
    QString EncoderFile;     // full path of tcore, or of mcore for RealMedia sources
    QString InputFile;       // the file after -i: the source, or the script for RealMedia
    QString CodecArg;        // " " + the output type's codec arguments
    QString VideoBitrateArg; // " -b " + video bitrate
    QString VideoSizeArg;    // " -s " + frame size
    QString FrameRateArg;    // " -r " + frame rate
    QString AspectArg;       // " -aspect " + aspect ratio
    QString Reserved;        // never set, never read
    QString AudioBitrateArg; // " -ab " + audio bitrate
    QString VolumeArg;       // " -vol " + volume
    QString ChannelsArg;     // " -ac " + first character of the channels entry
    QString SampleRateArg;   // " -ar " + sample rate
    QString FormatArg;       // " -f " + container format, or empty
    QString CutArg;          // " -ss " + start + " -t " + seconds, or empty
    QString OutputDir;       // output folder with trailing "/"
    QString OutputBaseName;  // source file name without its last extension
    QString OutputExt;       // output type's extension
    // H.264 and H.265 only: " -vprofile P -level L -maxrate M -bufsize B", else empty.
    QString VideoCodingArg;

    bool operator==(const ConversionJob &other) const = default;
};
