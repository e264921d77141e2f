#pragma once

#include <QString>

// Numbers read from and written as text.
namespace NumberText {

// A lenient reading of a number inside text such as an encoder's output field: keeps the
// digits, the first ".", and a sign only in first place ("12,5" is 125, "5-3" is 53);
// nothing left is 0. Throws EConvertError when what is kept is no number (a lone ".").
double Parse(const QString &text);
// value div divisor in decimal, with "0" put in front up to width characters. Throws
// std::invalid_argument for a zero divisor.
QString PadQuotient(qint64 width, qint64 divisor, qint64 value);

} // namespace NumberText
