#include "conversion/JobFailure.h"

#include <QRegularExpression>
#include <QStringList>

namespace JobFailure {

QString LastLine(const QString &output)
{
    const QStringList lines =
        output.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

QString LogLine(const QString &source, const TRunResult &result, bool stoppedByUser)
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

} // namespace JobFailure
