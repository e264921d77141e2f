#include "text/TextSplit.h"

namespace TextSplit {

QStringList ByChar(const QString &text, QChar delimiter)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(delimiter); at >= 0; at = text.indexOf(delimiter, start)) {
        pieces << text.mid(start, at - start);
        start = at + 1;
    }
    if (start < text.size())
        pieces << text.mid(start);
    return pieces;
}

} // namespace TextSplit
