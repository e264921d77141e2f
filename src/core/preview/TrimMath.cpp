#include "preview/TrimMath.h"

#include "text/TextSplit.h"
#include "text/NumberText.h"
#include "text/TimeText.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace TrimMath {

namespace {

// Rounds to the nearest integer, a half to the even neighbour.
qint64 roundHalfEven(double v)
{
    const double r = std::nearbyint(v); // the default rounding mode is to nearest-even
    return qint64(r);
}

// A number read leniently; text that keeps no number (a lone ".") reads as 0.
double lenientNumber(const QString &text)
{
    try {
        return NumberText::Parse(text);
    } catch (...) {
        return 0;
    }
}

// A two-character field read as a decimal integer, as the time editor's texts have them.
bool fieldValue(const QString &field, int *value)
{
    static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?[0-9]+$"));
    if (!integer.match(field).hasMatch())
        return false;
    *value = field.trimmed().toInt();
    return true;
}

// A time of 100 hours or more, whose hours field is wider than two characters.
const QRegularExpression &longHours()
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{3,}):([0-9]{2}):([0-9]{2})$"));
    return re;
}

// Reads hh:mm:ss from the fixed character positions 1-2, 4-5 and 7-8. A time of 100 hours
// or more is read by its fields instead, since its hours push the others to the right.
bool fixedTimeSeconds(const QString &text, qint64 *seconds, QString *error)
{
    const QRegularExpressionMatch m = longHours().match(text);
    if (m.hasMatch()) {
        *seconds = m.captured(1).toLongLong() * 3600 + m.captured(2).toInt() * 60
                   + m.captured(3).toInt();
        return true;
    }
    int parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const QString field = text.mid(i * 3, 2);
        if (!fieldValue(field, &parts[i])) {
            *error = QStringLiteral("'%1' is not a valid integer value").arg(field);
            return false;
        }
    }
    *seconds = qint64(parts[0]) * 3600 + parts[1] * 60 + parts[2];
    return true;
}

// The first 8 characters of a time text: the whole of it when its hours are wider.
QString timeText(const QString &text)
{
    return longHours().match(text).hasMatch() ? text : text.left(8);
}

} // namespace

int StartPercent(int left)
{
    return (left - 3) * 121 / kStripWidth;
}

int EndPercent(int right)
{
    return (219 - right) * 121 / kStripWidth;
}

int SecondsAtPercent(int percent, int durationSeconds)
{
    return int(qint64(percent) * durationSeconds / 100);
}

int LeftForStart(qint64 s, qint64 d)
{
    return int(roundHalfEven(double(s) / double(d) * (kStripWidth - 2 - 2 * kHandleWidth))) + 1;
}

int RightForEnd(qint64 e, qint64 d)
{
    return kStripWidth - 2 * kHandleWidth - 2
           - int(roundHalfEven(double(e) / double(d) * (kStripWidth - 2 - 2 * kHandleWidth)))
           + 1;
}

bool LeftMoves(int newLeft, int left)
{
    return std::abs(newLeft - left) > 1;
}

bool RightMoves(int newRight, int right)
{
    return std::abs(newRight - right) > 2;
}

int DragLeft(int wanted, int right)
{
    return qBound(1, wanted, qMax(1, kStripWidth - 2 * kHandleWidth - 1 - right));
}

int DragRight(int wanted, int left)
{
    return qBound(1, wanted, qMax(1, kStripWidth - 2 * kHandleWidth - 1 - left));
}

bool HandlesTouch(int left, int right)
{
    const int x1 = left;
    const int x2 = kStripWidth - right - kHandleWidth;
    return x2 - x1 < 20;
}

int ClickStep(Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers keys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (keys == Qt::ControlModifier)
        return 1;
    if (keys == Qt::ShiftModifier)
        return 10;
    return 5;
}

bool CanStep(int outer, int left, int right, int step)
{
    return outer > step && left + right + 45 <= kStripWidth;
}

QString FormatDuration(qint64 seconds)
{
    return TimeText::FromSeconds(seconds);
}

qint64 CellSeconds(const QString &cell)
{
    const QStringList p = TextSplit::ByChar(cell, QLatin1Char(':'));
    if (p.size() < 3)
        return 0;
    return qint64(std::trunc(lenientNumber(p[0]))) * 3600
           + qint64(std::trunc(lenientNumber(p[1]))) * 60 + qint64(std::trunc(lenientNumber(p[2])));
}

qint64 CutCellSeconds(const QString &cell)
{
    const QStringList p = TextSplit::ByChar(cell, QLatin1Char(':'));
    if (p.size() != 3)
        return 0;
    int v[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (!fieldValue(p[i], &v[i]))
            return 0;
    }
    return qint64(v[0]) * 3600 + v[1] * 60 + v[2];
}

TypedTimes CheckTypedTimes(const QString &duration, const QString &start, const QString &end,
                           const QString &cut)
{
    TypedTimes r{start, end, cut, -1, {}};
    if (r.start.isEmpty())
        r.start = QStringLiteral("00:00:00");
    if (r.end.isEmpty())
        r.end = duration;
    const QString typedStart = r.start;

    qint64 d = 0, s = 0, e = 0;
    if (!fixedTimeSeconds(duration, &d, &r.error) || !fixedTimeSeconds(r.start, &s, &r.error)
        || !fixedTimeSeconds(r.end, &e, &r.error))
        return r;

    // Every comparison below uses the values as read, not the cells as corrected.
    if (s >= d)
        r.start = timeText(duration);
    if (s >= e)
        r.end = timeText(typedStart);
    qint64 startNow = 0;
    QString ignored;
    if (fixedTimeSeconds(r.start, &startNow, &ignored))
        r.seekMs = startNow * 1000;
    if (e >= d)
        r.end = duration;
    r.cut = FormatDuration(qMin(e, d) - s);
    return r;
}

} // namespace TrimMath
