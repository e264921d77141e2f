#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The parts of a file path, and a folder's entries.
namespace FileNames {

// The text after the last delimiter, or the whole text when the delimiter does not occur:
// "x.y.z" at "." gives "z".
QString TextAfterLast(const QString &text, QChar delimiter);
// The file name of path without its last extension: "/v/my.clip.avi" gives "my.clip"; a
// name without "." gives empty text.
QString BaseNameOf(const QString &path);
// The full paths (folder + name) of the entries of folder (given with trailing "/"), in
// name order: files, links and hidden entries included, plain folders left out. With a
// filter such as ".3gp", only entries whose extension (from the last ".") equals it
// exactly, letter case included. A folder that cannot be listed gives an empty list.
QStringList ListFolderEntries(const QString &folder, const QString &filter);
// The first free output path for the wanted path: the wanted one when no entry of its
// folder has its base name (whatever the entry's extension), else the base name with
// "_1", "_2" and so on added. Only looks; creates nothing.
QString UniqueFileName(const QString &path);

} // namespace FileNames
