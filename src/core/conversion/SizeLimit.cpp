#include "conversion/SizeLimit.h"

#include <QCoreApplication>
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
    static const char *const kRefusal = QT_TRANSLATE_NOOP(
        "SizeLimit", "%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful "
                     "%4 kbit/s of %5");
    static const char *const kBoth = QT_TRANSLATE_NOOP("SizeLimit", "pictures and sound");
    static const char *const kSound = QT_TRANSLATE_NOOP("SizeLimit", "sound");
    // The log keeps English and C numbers; the failure list speaks the user's language.
    auto refuse = [&](int neededK, const char *what) {
        auto text = [&](const QString &format, const QLocale &locale, const QString &whatText) {
            return format.arg(locale.toString(seconds), locale.toString(limitMB) + QStringLiteral(" MB"))
                .arg(std::max(0, totalK))
                .arg(neededK)
                .arg(whatText);
        };
        fit.refusal = text(QLatin1String(kRefusal), QLocale::c(), QLatin1String(what));
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        fit.userRefusal = text(QCoreApplication::translate("SizeLimit", kRefusal), locale,
                               QCoreApplication::translate("SizeLimit", what));
    };
    if (videoK > 0) {
        const int soundK = audioFixedK > 0 ? audioFixedK : std::min(audioK, 64);
        // The sound keeps its bitrate while the pictures can spare it, down to 64 kbit/s.
        const int keptAudioK = audioFixedK > 0 ? audioFixedK
                                               : std::min(audioK, std::max(soundK, totalK - videoK));
        const int room = totalK - keptAudioK;
        if (room < kLowestVideoK) {
            refuse(kLowestVideoK + keptAudioK, kBoth);
            return fit;
        }
        fit.limited = room < videoK || keptAudioK < audioK;
        fit.videoK = std::min(videoK, room);
        fit.audioK = keptAudioK;
        return fit;
    }
    if (audioFixedK > 0) {
        if (totalK < audioFixedK)
            refuse(audioFixedK, kSound);
        return fit;
    }
    if (totalK < kLowestAudioK) {
        refuse(kLowestAudioK, kSound);
        return fit;
    }
    fit.limited = totalK < audioK;
    fit.audioK = std::min(audioK, totalK);
    return fit;
}

QStringList Choices()
{
    QStringList choices{Text(0)};
    for (int mb : {8, 10, 16, 25, 50, 100})
        choices << Text(mb);
    return choices;
}

bool Parse(const QString &text, double *mb)
{
    QString number = text.trimmed();
    if (number.isEmpty() || number.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0 ||
        number.compare(Text(0), Qt::CaseInsensitive) == 0) {
        *mb = 0;
        return true;
    }
    if (number.endsWith(QLatin1String("mb"), Qt::CaseInsensitive))
        number = number.chopped(2).trimmed();
    bool ok = false;
    double value = QLocale().toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    // Beyond a terabyte no phone or messenger asks for a limit; such a number is a typo.
    if (!ok || !std::isfinite(value) || value <= 0 || value > 1048576)
        return false;
    *mb = value;
    return true;
}

QString Text(double mb)
{
    if (mb <= 0)
        return QCoreApplication::translate("SizeLimit", "None");
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(mb, 'g', 6) + QStringLiteral(" MB");
}

QString RefusalOf(const QString &text)
{
    return QCoreApplication::translate("SizeLimit",
                                       "\"%1\" is no size limit. Type a number of MB above 0, "
                                       "such as 25, or choose %2.")
        .arg(text.trimmed(), Text(0));
}

} // namespace SizeLimit
