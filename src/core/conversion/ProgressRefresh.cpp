#include "conversion/ProgressRefresh.h"

#include "text/TextSplit.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace {

int clampToInt(double value, int low, int high)
{
    if (std::isnan(value))
        return low;
    return static_cast<int>(std::clamp(std::trunc(value), double(low), double(high)));
}

} // namespace

bool IsAudioOnlyLayout(const QString &codecArg, const QString &outputExt)
{
    return codecArg.trimmed().startsWith(QLatin1String("-acodec")) &&
           outputExt != QLatin1String(".3gp") && outputExt != QLatin1String(".3g2");
}

void RefreshProgress(ProgressState &s)
{
    s.RefreshCount += 1;
    if (s.RefreshCount <= 1)
        return;

    // Batch bar and counter, from the current bar as the previous refresh left it.
    s.TotalMax = std::max(0, s.CheckedCount) * 100;
    const long long part =
        static_cast<long long>(s.CurrentPos) * 100 / (static_cast<long long>(s.CurrentMax) + 1);
    s.TotalPos = static_cast<int>(std::clamp(part + static_cast<long long>(s.ConvertedCount) * 100,
                                             0LL, static_cast<long long>(s.TotalMax)));
    s.CounterText = QCoreApplication::translate("ProgressRefresh", "Current: %1 , Total: %2.")
                        .arg(s.ConvertedCount + 1)
                        .arg(s.CheckedCount);

    // Current bar range: the job's length in whole seconds. A length that is no number or
    // not positive gives an empty range rather than an error.
    bool ok = false;
    const int seconds = s.CutSeconds.trimmed().toInt(&ok);
    s.CurrentMin = 0;
    s.CurrentMax = ok ? std::max(0, seconds) : 0;
    s.CurrentPos = std::clamp(s.CurrentPos, s.CurrentMin, s.CurrentMax);

    if (s.StatusText.isEmpty())
        return;
    const QStringList pieces = TextSplit::ByChar(s.StatusText, QLatin1Char('='));
    const bool audioOnly = IsAudioOnlyLayout(s.CodecArg, s.OutputExt);
    const int needed = audioOnly ? 4 : 5;
    const int index = audioOnly ? 2 : 4;
    if (pieces.size() < needed)
        return;
    const QStringList sub = TextSplit::ByChar(pieces.at(index), QLatin1Char('.'));
    if (sub.isEmpty())
        return;
    // The encoder's placeholder for an unknown time.
    if (sub.first() == QLatin1String("10000000000"))
        return;
    try {
        s.CurrentPos =
            clampToInt(NumberText::Parse(sub.first()), s.CurrentMin, s.CurrentMax);
    } catch (...) {
        // No number in the piece: the bar stays where it was.
    }
}

int NextSpinnerStep(int step)
{
    return step + 1 > 5 ? 1 : step + 1;
}

QString BusyIndicatorText(int step, int currentPos)
{
    static const char *const signs[] = {"|", "|", "/", "-", "\\", "|"};
    const QString sign = QLatin1String(signs[std::clamp(step, 0, 5)]);
    return (currentPos < 3 ? QCoreApplication::translate("ProgressRefresh", "Installing convert information  ")
                           : QCoreApplication::translate("ProgressRefresh", "Converting  ")) +
           sign;
}

QString InitialCounterText(int checkedCount)
{
    return QCoreApplication::translate("ProgressRefresh", "Current: 1, Total: %1").arg(checkedCount);
}
