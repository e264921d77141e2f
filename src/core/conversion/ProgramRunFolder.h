#pragma once

#include <sys/types.h>

#include <QString>
#include <QStringList>

// A folder private to this running program for the files of its jobs that no other
// program may share, such as the script VideoFile.avs: "run-<pid>-<start>-XXXXXX" in the
// user's private folder (see PrivateFolder), readable by this user alone, made when first
// asked for (and again when a cleaner removed it meanwhile) and removed when the program
// ends. It also notes the output names the program's jobs hold, so that when the program
// dies the next start can give them back.
class ProgramRunFolder
{
public:
    // The folder of this running program, with trailing "/". When it cannot be made, a
    // path below which nothing can be written, so that writing there reports why.
    static QString Path();
    // The folder of job slot `slot` when several jobs run at once, with trailing "/": slot 0
    // is Path() itself, every other slot a folder of its own inside it, so that two running
    // jobs never share a script.
    static QString JobPath(int slot);

    // Notes, and forgets, an output name a job holds as the empty file (device, inode).
    static void NoteClaim(const QString &path, dev_t device, ino_t inode);
    static void ForgetClaim(dev_t device, ino_t inode);

    // Removes the run folders of this user's programs that no longer run (their process
    // gone, or its id now another process's), and the output names they held while still
    // the same empty files. Never touches what a running program owns. Gives the folders
    // removed.
    static QStringList RemoveLeftovers();

private:
    ProgramRunFolder();
    ~ProgramRunFolder();
    static ProgramRunFolder &instance();
    void make();

    QString m_path;
    bool m_made = false;
};
