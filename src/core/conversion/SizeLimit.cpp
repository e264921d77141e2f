#include "conversion/SizeLimit.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace SizeLimit {

Fit FitInto(double limitMB, double seconds, int videoK, int audioK, int audioFixedK)
{
    Fit fit;
    fit.videoK = videoK;
    fit.audioK = audioK;
    if (limitMB <= 0 || seconds <= 0)
        return fit;
    const double usableBytes = limitMB * 1048576.0 * 0.97 - 4096;
    const int totalK = int(std::floor(usableBytes * 8 / 1000 / seconds));
    const QString limitText = QLocale::c().toString(limitMB) + QStringLiteral(" MB");
    auto refuse = [&](int neededK, const char *what) {
        fit.refusal = QStringLiteral("%1 s cannot fit into %2: it leaves %3 kbit/s, below the "
                                     "lowest useful %4 kbit/s of %5")
                          .arg(QLocale::c().toString(seconds), limitText)
                          .arg(std::max(0, totalK))
                          .arg(neededK)
                          .arg(QLatin1String(what));
    };
    if (videoK > 0) {
        const int soundK = audioFixedK > 0 ? audioFixedK : std::min(audioK, 64);
        // The sound keeps its bitrate while the pictures can spare it, down to 64 kbit/s.
        const int keptAudioK = audioFixedK > 0 ? audioFixedK
                                               : std::min(audioK, std::max(soundK, totalK - videoK));
        const int room = totalK - keptAudioK;
        if (room < kLowestVideoK) {
            refuse(kLowestVideoK + keptAudioK, "pictures and sound");
            return fit;
        }
        fit.limited = room < videoK || keptAudioK < audioK;
        fit.videoK = std::min(videoK, room);
        fit.audioK = keptAudioK;
        return fit;
    }
    if (audioFixedK > 0) {
        if (totalK < audioFixedK)
            refuse(audioFixedK, "sound");
        return fit;
    }
    if (totalK < kLowestAudioK) {
        refuse(kLowestAudioK, "sound");
        return fit;
    }
    fit.limited = totalK < audioK;
    fit.audioK = std::min(audioK, totalK);
    return fit;
}

QStringList Choices()
{
    QStringList choices{QStringLiteral("None")};
    for (int mb : {8, 10, 16, 25, 50, 100})
        choices << Text(mb);
    return choices;
}

bool Parse(const QString &text, double *mb)
{
    QString number = text.trimmed();
    if (number.isEmpty() || number.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) {
        *mb = 0;
        return true;
    }
    if (number.endsWith(QLatin1String("mb"), Qt::CaseInsensitive))
        number = number.chopped(2).trimmed();
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    // Beyond a terabyte no phone or messenger asks for a limit; such a number is a typo.
    if (!ok || !std::isfinite(value) || value <= 0 || value > 1048576)
        return false;
    *mb = value;
    return true;
}

QString Text(double mb)
{
    if (mb <= 0)
        return QStringLiteral("None");
    return QLocale::c().toString(mb, 'g', 6) + QStringLiteral(" MB");
}

QString RefusalOf(const QString &text)
{
    return QStringLiteral("\"%1\" is no size limit. Type a number of MB above 0, such as 25, "
                          "or choose None.")
        .arg(text.trimmed());
}

} // namespace SizeLimit
