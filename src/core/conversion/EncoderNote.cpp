#include "conversion/EncoderNote.h"

#include "conversion/JobFailure.h"

namespace EncoderNote {

namespace {
const QString kMoved = QStringLiteral("; the output is \"");
}

QString FromOutput(const QString &lastOutput)
{
    const QString line = JobFailure::LastLine(lastOutput);
    return line.startsWith(QLatin1String("Note: ")) ? line : QString();
}

QString MovedOutput(const QString &note)
{
    const qsizetype at = note.lastIndexOf(kMoved);
    if (at < 0 || !note.endsWith(QLatin1Char('"')))
        return QString();
    const qsizetype start = at + kMoved.size();
    return note.mid(start, note.size() - start - 1);
}

} // namespace EncoderNote
