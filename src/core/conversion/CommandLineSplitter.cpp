#include "conversion/CommandLineSplitter.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

CommandLineSplitter::Result CommandLineSplitter::Split(const QString &commandLine,
                                                       const QString &program)
{
    Result result;
    const qsizetype end = program.size();
    if (program.isEmpty() || !commandLine.startsWith(program) ||
        (end < commandLine.size() && !isBlank(commandLine.at(end))))
        return result;
    result.ok = true;
    result.program = program;
    result.arguments = SplitArguments(commandLine.mid(end));
    return result;
}

QStringList CommandLineSplitter::SplitArguments(const QString &text)
{
    QStringList arguments;
    QString current;
    bool inToken = false; // also true for a quoted empty argument
    bool quoted = false;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            int slashes = 0;
            while (i < n && text.at(i) == QLatin1Char('\\')) {
                ++slashes;
                ++i;
            }
            inToken = true;
            if (i < n && text.at(i) == QLatin1Char('"')) {
                current.append(QString(slashes / 2, QLatin1Char('\\')));
                if (slashes % 2 == 1) {
                    current.append(QLatin1Char('"'));
                    ++i;
                }
                // An even count leaves the quote to group, handled on the next pass.
            } else {
                current.append(QString(slashes, QLatin1Char('\\')));
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inToken = true;
            ++i;
            continue;
        }
        if (isBlank(c) && !quoted) {
            if (inToken) {
                arguments << current;
                current.clear();
                inToken = false;
            }
            ++i;
            continue;
        }
        current.append(c);
        inToken = true;
        ++i;
    }
    if (inToken)
        arguments << current;
    return arguments;
}

QString CommandLineSplitter::QuoteArgument(const QString &text)
{
    QString quoted(QLatin1Char('"'));
    int slashes = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            ++slashes;
            continue;
        }
        if (c == QLatin1Char('"')) {
            // Backslashes before a quote are doubled, and the quote itself escaped.
            quoted.append(QString(slashes * 2 + 1, QLatin1Char('\\')));
            quoted.append(c);
        } else {
            quoted.append(QString(slashes, QLatin1Char('\\')));
            quoted.append(c);
        }
        slashes = 0;
    }
    // Backslashes before the closing quote are doubled so that the quote still closes.
    quoted.append(QString(slashes * 2, QLatin1Char('\\')));
    quoted.append(QLatin1Char('"'));
    return quoted;
}
