#include "profiles/ConfigInfo.h"

#include <cmath>

namespace ConfigInfo {

QStringList OutputTypes()
{
    return {"3GPP - MP4 Codec (*.3gp)",
            "3GPP - amr_nb Codec (*.3gp)",
            "3GPP2 - MP4 Codec (*.3g2)",
            "3GPP2 - amr_nb Codec (*.3g2)",
            "MPEG4 Video Files (*.mp4)",
            "AMR Audio Files (*.amr)",
            "AAC Advanced Audio Coding (*.aac)",
            "MP3 Files (*.mp3)",
            "MPEG4 - H.264 Codec (*.mp4)",
            "MPEG4 - H.265 Codec (*.mp4)",
            "MPEG4 Audio Files (*.m4a)",
            "0"};
}

QStringList QualityNames()
{
    return {"Low Quality",       "Acceptable Quality", "Normal Quality",
            "Excellent Quality", "Superb Quality",     "2"};
}

QStringList VideoSizes()
{
    return {"128x96",  "160x120", "176x144", "220x176", "320x240", "352x240",
            "352x288", "480x272", "640x480", "704x576", "640x360", "854x480",
            "1280x720", "1920x1080", "1"};
}

QStringList VideoBitrates()
{
    return {"40",   "80",   "128",  "256",  "512",  "1024", "1500",
            "2000", "3000", "4000", "5000", "6000", "8000", "2"};
}

QStringList FrameRates()
{
    return {"11", "15", "24", "25", "30", QString::fromLatin1(kSameFrameRate), "1"};
}

QStringList AspectRatios()
{
    return {"4:3", "16:9", "0"};
}

QStringList AudioBitrates()
{
    return {"16", "32", "48", "64", "80", "128", "160", "192", "224", "2"};
}

QStringList SampleRates()
{
    return {"22050", "32000", "44100", "48000", "2"};
}

QStringList AudioChannels()
{
    return {"1 channel, Mono", "2 channels, Stereo", "1"};
}

QStringList VolumeSteps()
{
    QStringList steps;
    for (int percent = 0; percent <= 500; percent += 25)
        steps << QString::number(percent);
    steps << "8";
    return steps;
}

QStringList Extensions()
{
    return {".3gp", ".3gp", ".3g2", ".3g2", ".mp4", ".amr", ".aac", ".mp3", ".mp4", ".mp4", ".m4a"};
}

QStringList CodecArgs()
{
    return {"-vcodec mpeg4 -acodec aac", "-acodec amr_nb",
            "-vcodec mpeg4 -acodec aac", "-acodec amr_nb",
            "-vcodec mpeg4 -acodec aac", "-acodec amr_nb",
            "-acodec aac -vn",           "-acodec mp3 -vn",
            "-vcodec h264 -acodec aac -movflags faststart",
            "-vcodec hevc -vtag hvc1 -acodec aac -movflags faststart",
            "-acodec aac -vn -movflags faststart"};
}

QStringList FormatNames()
{
    return {"3gp", "3gp", "3g2", "3g2", "none", "none", "none", "none", "none", "none", "none"};
}

QStringList ShortNames()
{
    return {"3gp", "3gp-amr", "3g2", "3g2-amr", "mp4", "amr", "aac", "mp3", "h264", "h265", "m4a"};
}

int OutputTypeByName(const QString &text)
{
    const QString name = text.trimmed().toLower();
    const int index = int(ShortNames().indexOf(name));
    if (index >= 0)
        return index;
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok && number >= 1 && number <= int(ShortNames().size()) ? number - 1 : -1;
}

namespace {

QStringList mp4Set()
{
    return {"1|0|0|2|0|0", "1|0|1|4|1|1", "1|1|2|5|1|2", "1|1|3|7|1|2", "1|1|4|8|1|3"};
}

QStringList amrNbSet()
{
    return {"1|0|0|2|0|0", "1|0|1|4|0|0", "1|1|2|5|0|0", "1|1|3|7|0|0", "1|1|4|8|0|0"};
}

QStringList audioOnlySet()
{
    return {"none|none|none|2|0|0", "none|none|none|4|1|1", "none|none|none|5|1|2",
            "none|none|none|7|1|2", "none|none|none|8|1|3"};
}

} // namespace

QStringList cst3GPMP4Profile()
{
    return mp4Set();
}
QStringList cst3GPAMRNBProfile()
{
    return amrNbSet();
}
QStringList cst3G2MP4Profile()
{
    return mp4Set();
}
QStringList cst3G2AMRNBProfile()
{
    return amrNbSet();
}
QStringList cstMP4Profile()
{
    return mp4Set();
}

QStringList cstAMRProfile()
{
    return {"none|none|none|2|0|0", "none|none|none|4|0|0", "none|none|none|5|0|0",
            "none|none|none|7|0|0", "none|none|none|8|0|0"};
}

QStringList cstAACProfile()
{
    return audioOnlySet();
}
QStringList cstMP3Profile()
{
    return audioOnlySet();
}

// Today's sizes (4:3 320x240 for feature phones, then 16:9 up to 1080p) at the source's
// frame rate capped at 30 (Low 15), with AAC-LC sound of 64 to 192 kbit/s.
QStringList cstH264Profile()
{
    return {"4|1|4|3|0|2", "10|5|5|4|1|2", "11|5|6|5|1|2", "12|5|8|6|1|3", "13|5|11|7|1|3"};
}

// The H.264 levels' sizes and rates at about 60% of their bitrates.
QStringList cstH265Profile()
{
    return {"4|1|3|3|0|2", "10|5|4|4|1|2", "11|5|5|5|1|2", "12|5|7|6|1|3", "13|5|9|7|1|3"};
}

QStringList cstM4AProfile()
{
    return {"none|none|none|3|0|2", "none|none|none|4|1|2", "none|none|none|5|1|2",
            "none|none|none|6|1|3", "none|none|none|7|1|3"};
}

bool IsWideSize(const QString &size)
{
    const QStringList sides = size.split(QLatin1Char('x'));
    const double width = sides.value(0).toDouble();
    const double height = sides.value(1).toDouble();
    return sides.size() == 2 && height > 0 && std::abs(width / height * 9.0 / 16.0 - 1.0) < 0.01;
}

bool HoldsVideo(int t)
{
    return (t >= 0 && t <= 4) || t == kH264OutputType || t == kH265OutputType;
}

QStringList ProfileSetOf(int t)
{
    switch (t) {
    case 0:
        return cst3GPMP4Profile();
    case 1:
        return cst3GPAMRNBProfile();
    case 2:
        return cst3G2MP4Profile();
    case 3:
        return cst3G2AMRNBProfile();
    case 4:
        return cstMP4Profile();
    case 5:
        return cstAMRProfile();
    case 6:
        return cstAACProfile();
    case 7:
        return cstMP3Profile();
    case kH264OutputType:
        return cstH264Profile();
    case kH265OutputType:
        return cstH265Profile();
    case kM4aOutputType:
        return cstM4AProfile();
    default:
        return {};
    }
}

} // namespace ConfigInfo
