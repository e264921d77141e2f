#include "conversion/ProgressRefresh.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// The pieces of text between delimiters: inner and leading empty pieces count, a trailing
// empty one does not, and the empty text gives none.
QStringList splitPieces(const QString &text, QChar delimiter)
{
    QStringList pieces = text.split(delimiter);
    if (!pieces.isEmpty() && pieces.last().isEmpty())
        pieces.removeLast();
    return pieces;
}

// The lenient number reading of a report field: digits and the first sign are kept,
// anything else is dropped; a sign only counts in front. The field read here never holds
// a ".", so the result is whole.
double lenientNumber(const QString &text)
{
    int from = 0;
    int to = static_cast<int>(text.size());
    while (from < to && text.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && text.at(to - 1).unicode() <= 0x20)
        --to;
    QString kept;
    bool plus = false;
    bool minus = false;
    bool dot = false;
    for (int i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            kept += c;
        else if (c == QLatin1Char('.') && !dot)
            dot = true, kept += c;
        else if (c == QLatin1Char('+') && !plus)
            plus = true, kept += c;
        else if (c == QLatin1Char('-') && !minus)
            minus = true, kept += c;
    }
    QString number = kept.left(1);
    for (int i = 1; i < kept.size(); ++i)
        if (kept.at(i) != QLatin1Char('+') && kept.at(i) != QLatin1Char('-'))
            number += kept.at(i);
    if (number.isEmpty() || number == QLatin1String("-") || number == QLatin1String("+"))
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0;
}

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

void RefreshProgress(TProgressState &s)
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
    s.CounterText = QStringLiteral("Current: %1 , Total: %2.")
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
    const QStringList pieces = splitPieces(s.StatusText, QLatin1Char('='));
    const bool audioOnly = IsAudioOnlyLayout(s.CodecArg, s.OutputExt);
    const int needed = audioOnly ? 4 : 5;
    const int index = audioOnly ? 2 : 4;
    if (pieces.size() < needed)
        return;
    const QStringList sub = splitPieces(pieces.at(index), QLatin1Char('.'));
    if (sub.isEmpty())
        return;
    // The encoder's placeholder for an unknown time.
    if (sub.first() == QLatin1String("10000000000"))
        return;
    s.CurrentPos = clampToInt(lenientNumber(sub.first()), s.CurrentMin, s.CurrentMax);
}

int NextSpinnerStep(int step)
{
    return step + 1 > 5 ? 1 : step + 1;
}

QString BusyIndicatorText(int step, int currentPos)
{
    static const char *const signs[] = {"|", "|", "/", "-", "\\", "|"};
    const QString sign = QLatin1String(signs[std::clamp(step, 0, 5)]);
    return (currentPos < 3 ? QStringLiteral("Installing convert information  ")
                           : QStringLiteral("Converting  ")) +
           sign;
}

QString InitialCounterText(int checkedCount)
{
    return QStringLiteral("Current: 1, Total: %1").arg(checkedCount);
}
