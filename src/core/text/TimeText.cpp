#include "text/TimeText.h"

#include "text/NumberText.h"

namespace TimeText {

QString FromSeconds(qint64 seconds)
{
    // Counted in seconds rather than milliseconds, so that no count can overflow.
    if (seconds < 0)
        seconds = 0;
    QString text;
    text += seconds < 3600 ? QStringLiteral("00") : NumberText::PadQuotient(2, 3600, seconds);
    seconds %= 3600;
    text += QLatin1Char(':');
    text += seconds < 60 ? QStringLiteral("00") : NumberText::PadQuotient(2, 60, seconds);
    seconds %= 60;
    text += QLatin1Char(':');
    text += NumberText::PadQuotient(2, 1, seconds);
    return text;
}

} // namespace TimeText
