#include "conversion/BatchPace.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <QLocale>

namespace {

constexpr qint64 kSoundAfterMs = 3000;
constexpr double kSoundShare = 0.02;

} // namespace

void BatchPace::StartBatch(qint64 nowMs)
{
    *this = BatchPace();
    m_batchStart = nowMs;
}

void BatchPace::StartJob(qint64 nowMs, double cutSeconds, double laterSeconds)
{
    if (m_batchStart < 0)
        m_batchStart = nowMs;
    m_jobStart = nowMs;
    m_cut = std::max(0.0, cutSeconds);
    m_later = std::max(0.0, laterSeconds);
    m_done = 0;
}

void BatchPace::Progress(qint64, double doneSeconds)
{
    if (m_jobStart >= 0)
        m_done = std::clamp(doneSeconds, m_done, std::max(m_cut, m_done));
}

void BatchPace::EndJob(qint64 nowMs, bool succeeded)
{
    if (m_jobStart < 0)
        return;
    // A job that succeeded converted its whole cut, whatever the last report it showed.
    if (succeeded && m_cut > 0) {
        m_measuredSeconds += m_cut;
        m_measuredMs += nowMs - m_jobStart;
    }
    m_doneBefore += m_cut;
    m_jobStart = -1;
    m_cut = 0;
    m_done = 0;
}

bool BatchPace::Sound(qint64 elapsedMs, double done, double total)
{
    return elapsedMs >= kSoundAfterMs && total > 0 && done >= kSoundShare * total;
}

bool BatchPace::jobSound(qint64 nowMs) const
{
    return m_jobStart >= 0 && Sound(nowMs - m_jobStart, m_done, m_cut);
}

std::optional<double> BatchPace::measuredSpeed(qint64 nowMs) const
{
    double seconds = m_measuredSeconds;
    qint64 ms = m_measuredMs;
    if (jobSound(nowMs)) {
        seconds += m_done;
        ms += nowMs - m_jobStart;
    }
    if (ms < kSoundAfterMs || seconds <= 0)
        return std::nullopt;
    return seconds * 1000.0 / double(ms);
}

BatchPace::Figures BatchPace::At(qint64 nowMs) const
{
    Figures f;
    if (m_batchStart < 0)
        return f;
    f.elapsedMs = std::max<qint64>(0, nowMs - m_batchStart);
    const double total = m_doneBefore + m_cut + m_later;
    if (total > 0)
        f.batchPercent = int(std::floor(100.0 * (m_doneBefore + m_done) / total));
    if (jobSound(nowMs)) {
        const double speed = m_done * 1000.0 / double(nowMs - m_jobStart);
        f.speed = speed;
        f.jobLeftMs = qint64(std::llround((m_cut - m_done) / speed * 1000.0));
    }
    const std::optional<double> speed = measuredSpeed(nowMs);
    if (speed) {
        const qint64 current = f.jobLeftMs ? *f.jobLeftMs
                                           : qint64(std::llround((m_cut - m_done) / *speed * 1000.0));
        f.batchLeftMs = current + qint64(std::llround(m_later / *speed * 1000.0));
    }
    return f;
}

QString BatchPace::SpeedText(double speed)
{
    // The decimal sign of the user's locale, as the sizes beside it.
    return QLocale().toString(speed, 'f', speed < 10 ? 1 : 0) + QLatin1Char('x');
}

QString BatchPace::DurationText(qint64 ms)
{
    const qint64 s = std::max<qint64>(0, (ms + 500) / 1000);
    if (s < 60)
        return QCoreApplication::translate("BatchPace", "%1 s").arg(s);
    if (s < 3600)
        return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s % 3600) / 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString BatchPace::TimeLeftText(qint64 ms)
{
    const qint64 s = std::max<qint64>(0, (ms + 500) / 1000);
    if (s < 60)
        return QCoreApplication::translate("BatchPace", "About %1 s left").arg(std::max<qint64>(5, (s + 4) / 5 * 5));
    const qint64 minutes = (s + 30) / 60;
    if (minutes < 60)
        return QCoreApplication::translate("BatchPace", "About %1 min left").arg(minutes);
    return QCoreApplication::translate("BatchPace", "About %1 h %2 min left").arg(minutes / 60).arg(minutes % 60);
}
