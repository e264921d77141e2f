#include "shell/TStrFunc.h"

QString TStrFunc::TextAfterLast(const QString &text, QChar delimiter) const
{
    const qsizetype at = text.lastIndexOf(delimiter);
    return at < 0 ? text : text.mid(at + 1);
}
