#include "conversion/VideoCoding.h"

#include <QStringList>

#include <cmath>

namespace VideoCoding {
namespace {

struct H264Limits
{
    const char *name;
    double macroblocksPerSecond;
    int frameMacroblocks;
    int bitrateK; // Baseline and Main; High allows 1.25 times this
    int bufferK;
};

// The levels' limits (ITU-T H.264, Annex A, table A-1).
constexpr H264Limits kH264[] = {
    {"1.0", 1485, 99, 64, 175},           {"1.1", 3000, 396, 192, 500},
    {"1.2", 6000, 396, 384, 1000},        {"1.3", 11880, 396, 768, 2000},
    {"2.0", 11880, 396, 2000, 2000},      {"2.1", 19800, 792, 4000, 4000},
    {"2.2", 20250, 1620, 4000, 4000},     {"3.0", 40500, 1620, 10000, 10000},
    {"3.1", 108000, 3600, 14000, 14000},  {"3.2", 216000, 5120, 20000, 20000},
    {"4.0", 245760, 8192, 20000, 25000},  {"4.1", 245760, 8192, 50000, 62500},
    {"4.2", 522240, 8704, 50000, 62500},  {"5.0", 589824, 22080, 135000, 135000},
    {"5.1", 983040, 36864, 240000, 240000}, {"5.2", 2073600, 36864, 240000, 240000},
};

struct H265Limits
{
    const char *name;
    double lumaPicture;
    double lumaPerSecond;
    int bitrateK; // Main tier
    int bufferK;
};

// The Main tier's limits (ITU-T H.265, Annex A, tables A.8 and A.9).
constexpr H265Limits kH265[] = {
    {"1.0", 36864, 552960, 128, 350},           {"2.0", 122880, 3686400, 1500, 1500},
    {"2.1", 245760, 7372800, 3000, 3000},       {"3.0", 552960, 16588800, 6000, 6000},
    {"3.1", 983040, 33177600, 10000, 10000},    {"4.0", 2228224, 66846720, 12000, 12000},
    {"4.1", 2228224, 133693440, 20000, 20000},  {"5.0", 8912896, 267386880, 25000, 25000},
    {"5.1", 8912896, 534773760, 40000, 40000},  {"5.2", 8912896, 1069547520, 60000, 60000},
};

// The number after the fragment's option (" -s 320x240" gives "320x240").
QString valueOf(const QString &fragment)
{
    return fragment.trimmed().section(QLatin1Char(' '), -1);
}

// The word after -vcodec in a codec fragment.
QString videoCodecOf(const QString &codecArg)
{
    const QStringList words = codecArg.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype at = words.indexOf(QStringLiteral("-vcodec"));
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

} // namespace

QString H264Profile(int width, int height)
{
    return width * height <= 640 * 480 ? QStringLiteral("baseline") : QStringLiteral("high");
}

QString H264Level(int width, int height, double fps, int maxRateK, int bufSizeK, bool highProfile)
{
    const int macroblocks = ((width + 15) / 16) * ((height + 15) / 16);
    const double factor = highProfile ? 1.25 : 1.0;
    for (const H264Limits &l : kH264) {
        const int widest = int(std::sqrt(8.0 * l.frameMacroblocks));
        if (macroblocks <= l.frameMacroblocks && (width + 15) / 16 <= widest &&
            (height + 15) / 16 <= widest && macroblocks * fps <= l.macroblocksPerSecond &&
            maxRateK <= l.bitrateK * factor && bufSizeK <= l.bufferK * factor)
            return QString::fromLatin1(l.name);
    }
    return QString();
}

QString H265Level(int width, int height, double fps, int maxRateK, int bufSizeK)
{
    const double luma = double(width) * height;
    for (const H265Limits &l : kH265) {
        const double widest = std::sqrt(8.0 * l.lumaPicture);
        if (luma <= l.lumaPicture && width <= widest && height <= widest &&
            luma * fps <= l.lumaPerSecond && maxRateK <= l.bitrateK && bufSizeK <= l.bufferK)
            return QString::fromLatin1(l.name);
    }
    return QString();
}

QString ArgFor(const QString &codecArg, const QString &sizeArg, const QString &frameRateArg,
               const QString &bitrateArg)
{
    const QString codec = videoCodecOf(codecArg);
    if (codec != QLatin1String("h264") && codec != QLatin1String("hevc"))
        return QString();
    const QStringList size = valueOf(sizeArg).split(QLatin1Char('x'));
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    const double fps = valueOf(frameRateArg).toDouble();
    const int bitrateK = valueOf(bitrateArg).toInt();
    const int maxRateK = bitrateK * 3 / 2;
    const int bufSizeK = bitrateK * 2;

    QString profile;
    QString level;
    if (codec == QLatin1String("h264")) {
        profile = H264Profile(width, height);
        level = H264Level(width, height, fps, maxRateK, bufSizeK,
                          profile == QLatin1String("high"));
    } else {
        profile = QStringLiteral("main");
        level = H265Level(width, height, fps, maxRateK, bufSizeK);
    }
    QString arg = QStringLiteral(" -vprofile ") + profile;
    if (!level.isEmpty())
        arg += QStringLiteral(" -level ") + level;
    return arg + QStringLiteral(" -maxrate %1 -bufsize %2").arg(maxRateK).arg(bufSizeK);
}

} // namespace VideoCoding
