#include "conversion/OutputSizeEstimate.h"

#include "encoder/Mp3Bitrate.h"

#include "profiles/ConfigInfo.h"
#include "profiles/OptionLists.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>
#include <cstdlib>

namespace OutputSizeEstimate {
namespace {

// The number a list shows, or the command line's default when it shows nothing.
double numberOf(const OptionListModel &list, double fallback)
{
    bool ok = false;
    const double value = list.selectedText().section(QLatin1Char(' '), 0, 0).toDouble(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

qint64 Bytes(OptionLists &boxes, int t, double seconds)
{
    if (seconds <= 0 || t < 0 || t >= ConfigInfo::kOutputTypeCount)
        return 0;
    const QString codecs = ConfigInfo::CodecArgs().value(t);
    const QString ext = ConfigInfo::Extensions().value(t);
    const bool amr = codecs.contains(QLatin1String("amr_nb"));
    const int sampleRate = amr ? 8000 : int(numberOf(boxes.sampleRate(), 44100));
    const int audioK = int(numberOf(boxes.audioBitrate(), 64));

    // Sound: AMR-NB at its 12.2 kbit/s mode (every bitrate the lists offer lies above it)
    // takes 32 bytes per 20 ms; MP3 its nearest rate; AAC the asked one.
    double audioBytesPerSecond = audioK * 1000.0 / 8;
    double audioFramesPerSecond = sampleRate / 1024.0;
    if (amr) {
        audioBytesPerSecond = 1600;
        audioFramesPerSecond = 50;
    } else if (codecs.contains(QLatin1String("mp3"))) {
        audioBytesPerSecond = encoder::NearestMp3Bitrate(sampleRate, audioK) * 1000.0 / 8;
    }

    double videoBytesPerSecond = 0;
    double framesPerSecond = 0;
    if (ConfigInfo::HoldsVideo(t)) {
        videoBytesPerSecond = numberOf(boxes.videoBitrate(), 512) * 1000.0 / 8;
        // The AMR-NB 3GPP types keep the source's rate; "Same as source" is at most 30.
        framesPerSecond = amr ? 25 : numberOf(boxes.frameRate(), ConfigInfo::kSameFrameRateCap);
    }

    double bytes = (audioBytesPerSecond + videoBytesPerSecond) * seconds;
    if (ext == QLatin1String(".aac")) {
        bytes += 7 * audioFramesPerSecond * seconds; // an ADTS header per frame
    } else if (ext == QLatin1String(".amr") || ext == QLatin1String(".mp3")) {
        bytes += 1024; // the file's header or tags
    } else {
        // The MP4 family's index: a few bytes per sound frame and per picture.
        bytes += 1024 + (6 * audioFramesPerSecond + 10 * framesPerSecond) * seconds;
    }
    return qint64(std::llround(bytes));
}

QString TotalText(int files, qint64 bytes)
{
    // One file has its own text, so English reads right with no translation loaded.
    const QString count =
        files == 1 ? QCoreApplication::translate("OutputSizeEstimate", "1 file")
                   : QCoreApplication::translate("OutputSizeEstimate", "%n files", nullptr, files);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double mb = bytes / 1024.0 / 1024.0;
    QString size;
    if (mb >= 1024)
        size = locale.toString(mb / 1024, 'f', 1) + QStringLiteral(" GB");
    else if (mb >= 1)
        size = locale.toString(std::llround(mb)) + QStringLiteral(" MB");
    else
        size = locale.toString(std::llround(bytes / 1024.0)) + QStringLiteral(" KB");
    return QCoreApplication::translate("OutputSizeEstimate", "%1, about %2").arg(count, size);
}

} // namespace OutputSizeEstimate
