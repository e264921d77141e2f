#pragma once

#include <QString>

class MessageBoxes;

// The program's log: log.txt in the log's folder (AppPaths: the program's folder when
// portable), one line per event.
class Log
{
public:
    // Where the log cannot be written, the error is shown once in boxes (when given).
    explicit Log(MessageBoxes *boxes = nullptr) : m_boxes(boxes) {}

    // Appends the line for message. When the log cannot be written (a full disk, a folder
    // that cannot be made), the error is shown once with the error icon and the program
    // goes on: a log must not stop the conversions.
    void Write(const QString &message);
    // Write, where nothing it throws may end the caller: the report lines of a batch.
    void WriteQuietly(const QString &message);

    // Appends one line "Quillon <date> <time>|<message>" to log.txt of folder (given with
    // trailing "/"), creating the file when it is missing. Throws EInOutError when the log
    // cannot be opened, written or closed.
    static void WriteIn(const QString &folder, const QString &message);
    // The line WriteIn writes for message at this moment, without line end.
    static QString Line(const QString &message);

private:
    MessageBoxes *m_boxes;
    bool m_failureShown = false;
};
