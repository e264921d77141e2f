#pragma once

#include <QString>

// The log and the program's folder. One instance lives from start-up to exit (Globals.h).
class TAppFunc
{
public:
    // Appends one line "Quillon <date> <time>|<message>" to log.txt in the log's folder
    // (AppPaths: the program's folder when portable), creating the file when it is missing.
    // Throws EInOutError when the log cannot be opened, written or closed.
    void WriteLog(const QString &message);

    // The program's folder with trailing "/" (AppPaths).
    QString GetAppFolder() const;

    // WriteLog into the log.txt of folder (given with trailing "/").
    static void WriteLogIn(const QString &folder, const QString &message);
    // The line WriteLog writes for message at this moment, without line end.
    static QString LogLine(const QString &message);
};
