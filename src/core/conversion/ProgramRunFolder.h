#pragma once

#include <QString>

// A folder private to this running program for the files of its jobs that no other
// program may share, such as the script VideoFile.avs: under $XDG_RUNTIME_DIR (or the
// temporary folder when there is none), readable by this user alone, made when first asked
// for and removed when the program ends.
class ProgramRunFolder
{
public:
    // The folder of this running program, with trailing "/". When it cannot be made, a
    // path below which nothing can be written, so that writing there reports why.
    static QString Path();

private:
    ProgramRunFolder();
    ~ProgramRunFolder();
    static ProgramRunFolder &instance();

    QString m_path;
    bool m_made = false;
};
