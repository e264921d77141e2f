#include "CliReport.h"

#include "text/FileSizeText.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

#include <initializer_list>
#include <utility>

namespace {

// Least time between two progress events.
constexpr qint64 kProgressPauseMs = 500;

// One JSON object on one line, its members in the order given ("event" first, as readers
// of the lines by eye expect).
QByteArray jsonLine(std::initializer_list<std::pair<const char *, QJsonValue>> members)
{
    QByteArray line = "{";
    for (const auto &[name, value] : members) {
        if (line.size() > 1)
            line += ',';
        line += '"';
        line += name;
        line += "\":";
        // A value's JSON text: the one element of an array, without the brackets.
        const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        line += array.mid(1, array.size() - 2);
    }
    return line + '}';
}

} // namespace

CliReport::CliReport(bool json, bool liveProgress, std::FILE *out, std::FILE *err)
    : m_json(json), m_live(liveProgress && !json), m_out(out), m_err(err)
{
}

void CliReport::line(const QByteArray &text)
{
    clearProgressLine();
    std::fwrite(text.constData(), 1, size_t(text.size()), m_out);
    std::fputc('\n', m_out);
    std::fflush(m_out);
}

void CliReport::clearProgressLine()
{
    if (!m_progressShown)
        return;
    std::fputs("\r\033[K", m_out);
    m_progressShown = false;
}

void CliReport::Refused(const QString &file, const QString &reason)
{
    std::fprintf(m_err, "clipwright-cli: %s: %s\n", file.toLocal8Bit().constData(),
                 reason.toLocal8Bit().constData());
    std::fflush(m_err);
    if (m_json) {
        Failed(file, reason);
    } else {
        ++m_failed;
    }
}

void CliReport::Progress(const QString &file, int percent, std::optional<double> speed,
                         std::optional<qint64> runLeftMs)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (percent == m_lastPercent ||
        (m_lastProgressMs >= 0 && now - m_lastProgressMs < kProgressPauseMs))
        return;
    if (m_json) {
        m_lastProgressMs = now;
        m_lastPercent = percent;
        line(jsonLine({{"event", "progress"},
                       {"file", file},
                       {"percent", percent},
                       {"speed", speed ? QJsonValue(std::round(*speed * 100) / 100) : QJsonValue()},
                       {"eta_seconds", runLeftMs ? QJsonValue(qint64((*runLeftMs + 500) / 1000))
                                                 : QJsonValue()}}));
    } else if (m_live) {
        m_lastProgressMs = now;
        m_lastPercent = percent;
        std::fprintf(m_out, "\r\033[K%3d%%  %s", percent, file.toLocal8Bit().constData());
        std::fflush(m_out);
        m_progressShown = true;
    }
}

void CliReport::Done(const QString &file, const QString &output, qint64 bytes, double seconds)
{
    ++m_converted;
    m_lastPercent = -1;
    m_lastProgressMs = -1;
    if (m_json) {
        line(jsonLine({{"event", "done"}, {"file", file}, {"output", output}, {"bytes", bytes}}));
    } else {
        line(QStringLiteral("ok  %1 -> %2 (%3, %4 s)")
                 .arg(file, output, FileSizeText::Of(bytes),
                      QString::number(seconds, 'f', 1))
                 .toLocal8Bit());
    }
}

void CliReport::Failed(const QString &file, const QString &reason)
{
    ++m_failed;
    m_lastPercent = -1;
    m_lastProgressMs = -1;
    if (m_json) {
        line(jsonLine({{"event", "failed"}, {"file", file}, {"reason", reason}}));
    } else {
        line(QStringLiteral("failed  %1: %2").arg(file, reason).toLocal8Bit());
    }
}

void CliReport::Summary()
{
    clearProgressLine();
    if (m_json) {
        line(jsonLine({{"event", "summary"}, {"converted", m_converted}, {"failed", m_failed}}));
    }
}
