#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Cutting a text into the pieces between delimiters.
namespace TextSplit {

// The pieces in order: inner and leading empty pieces stay, a trailing empty piece is
// dropped ("a::b" gives a, "", b; "a:" gives a; "" gives none).
QStringList ByChar(const QString &text, QChar delimiter);

} // namespace TextSplit
