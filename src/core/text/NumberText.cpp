#include "text/NumberText.h"

#include "report/AppErrors.h"

#include <QLocale>

#include <stdexcept>

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

namespace NumberText {

double Parse(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;

    QString kept;
    bool dot = false, plus = false, minus = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            kept += c;
        } else if (c == QLatin1Char('.') && !dot) {
            dot = true;
            kept += c;
        } else if (c == QLatin1Char('+') && !plus) {
            plus = true;
            kept += c;
        } else if (c == QLatin1Char('-') && !minus) {
            minus = true;
            kept += c;
        }
    }
    // A sign counts only in first place.
    QString number = kept.left(1);
    for (qsizetype i = 1; i < kept.size(); ++i)
        if (kept.at(i) != QLatin1Char('+') && kept.at(i) != QLatin1Char('-'))
            number += kept.at(i);

    if (number.isEmpty() || number == QLatin1String("-") || number == QLatin1String("+"))
        return 0;
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        throw EConvertError::InvalidFloat(number);
    return value;
}

QString PadQuotient(qint64 width, qint64 divisor, qint64 value)
{
    if (divisor == 0)
        throw std::invalid_argument("Division by zero");
    QString text = QString::number(value / divisor);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), QLatin1Char('0')));
    return text;
}

} // namespace NumberText
