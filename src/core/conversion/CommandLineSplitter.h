#pragma once

#include <QString>
#include <QStringList>

// Turns the encoder command line, which the program builds and logs as one text, back into
// a program path and its arguments.
//
// The program path stands unquoted at the front and may contain blanks; where it ends is
// never guessed from the text: the caller names it (the job's encoder file). The rest is
// split the way Windows console programs read their command line: blanks and tabs outside
// double quotes separate arguments, a double quote starts or ends a quoted stretch, and
// backslashes are literal except before a double quote, where 2n backslashes give n
// backslashes (the quote then groups) and 2n+1 give n backslashes and a literal quote.
// QuoteArgument writes any text so that the split gives it back unchanged.
class CommandLineSplitter
{
public:
    struct Result
    {
        bool ok = false; // the command line begins with the program
        QString program;
        QStringList arguments;
    };

    // Splits a command line that begins with program, followed by a blank or nothing.
    // One that does not (or an empty program) gives ok false and no arguments.
    static Result Split(const QString &commandLine, const QString &program);

    // Splits an argument text by the quoting rules above.
    static QStringList SplitArguments(const QString &text);

    // The text in double quotes, with backslashes and quotes escaped where the rules need
    // it; a text without double quotes and trailing backslashes just gains the two quotes.
    static QString QuoteArgument(const QString &text);
};
