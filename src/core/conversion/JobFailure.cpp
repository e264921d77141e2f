#include "conversion/JobFailure.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace JobFailure {

QString LastLine(const QString &output)
{
    const QStringList lines =
        output.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

QString LogLine(const QString &source, const EncoderResult &result, bool stoppedByUser)
{
    if (!result.started) {
        return QStringLiteral("Conversion failed: %1 | encoder not started: %2")
            .arg(source, result.errorText);
    }
    if (result.exitCode != 0 && !stoppedByUser) {
        return QStringLiteral("Conversion failed: %1 | exit code %2 | %3")
            .arg(source)
            .arg(result.exitCode)
            .arg(LastLine(result.lastOutput));
    }
    return QString();
}

QString UserReason(const EncoderResult &result)
{
    // RealMedia is read through a one-line script, which a line break in the name breaks.
    if (result.started && result.exitCode != 0 &&
        LastLine(result.lastOutput) == QLatin1String("Error: malformed script: more than one line"))
        return QCoreApplication::translate(
            "JobFailure", "the file's name cannot be passed to the RealMedia reader; rename it");
    return QString();
}

} // namespace JobFailure
