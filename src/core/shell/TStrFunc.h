#pragma once

#include <QChar>
#include <QString>

// Text helpers. One instance lives from start-up to exit (Globals.h).
class TStrFunc
{
public:
    // The text after the last delimiter, or the whole text when the delimiter does not
    // occur: "x.y.z" at "." gives "z".
    QString TextAfterLast(const QString &text, QChar delimiter) const;
};
