#pragma once

#include <QString>
#include <QStringList>

// File name helpers. One instance lives from start-up to exit (Globals.h).
class TFileFunc
{
public:
    // The full paths (folder + name) of the entries of folder (given with trailing "/"), in
    // name order: files, links and hidden entries included, plain folders left out. With
    // a filter such as ".3gp", only entries whose extension (from the last ".") equals it
    // exactly, letter case included. A folder that cannot be listed gives an empty list.
    QStringList ListFolderEntries(const QString &folder, const QString &filter) const;

    // The file name of path without its last extension: "/v/my.clip.avi" gives "my.clip";
    // a name without "." gives empty text.
    QString BaseNameOf(const QString &path) const;

    // The folder part of path with trailing "/", or empty text when path has no "/".
    QString FolderOf(const QString &path) const;

    // The first free output path for the wanted path: the wanted one when no entry of its
    // folder has its base name (whatever the entry's extension), else the base name with
    // "_1", "_2" and so on added. Only looks; creates nothing.
    QString MakeUniqueFileName(const QString &path);

    // The base name MakeUniqueFileName started from.
    QString StartBaseName;

private:
    QString nextFreeFileName(const QString &path) const;
};
