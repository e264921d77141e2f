#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The source list of the running session as a small text file of ours, kept in the state
// folder while the program runs so that a crash, a kill or a power cut does not lose it:
//
//   Clipwright source list 1
//   selected <row, or -1>
//   row <ticked 0|1> <converted 0|1> <start> <end> <path, percent-encoded>
//   ...
//   end <number of rows>
//
// Start and end are hh:mm:ss, or "-" for a cell without a time. "converted" marks the rows
// an unfinished batch had converted. The last line tells a
// whole file from one cut short.
namespace SessionListFile {

struct Entry
{
    QString path;
    bool checked = true;
    bool converted = false;
    QString start;
    QString end;

    bool operator==(const Entry &) const = default;
};

struct Session
{
    QList<Entry> rows;
    int selected = -1;

    bool operator==(const Session &) const = default;
};

enum class Status { Ok, Missing, Damaged, Foreign, Newer };

struct ReadResult
{
    Status status = Status::Missing;
    Session session;
};

QByteArray Encode(const Session &session);
ReadResult Decode(const QByteArray &bytes);

// Writes the file whole or not at all (a new file renamed over the old one). False when it
// could not be written.
bool Write(const QString &path, const Session &session);
// Reads the file; one that is too large to be ours counts as foreign.
ReadResult Read(const QString &path);
// Keeps a file that could not be read aside as "<path>.bad" for the user.
void SetAside(const QString &path);

} // namespace SessionListFile
