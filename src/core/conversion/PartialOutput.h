#pragma once

#include <QString>
#include <QStringList>

// The hidden file an encoder writes its output to until the output is complete: in the
// output's folder, named "." + a form of the output's name + "." + the encoder's process id
// + ".part". An encoder that is killed cannot remove it; the program, which knows both the
// folder and the process, does.
class PartialOutput
{
public:
    // Removes the regular files in folder whose names begin with "." and end with
    // "." + pid + ".part"; nothing else is touched. Gives the names removed.
    static QStringList RemoveFor(const QString &folder, qint64 pid);
};
