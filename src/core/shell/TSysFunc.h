#pragma once

#include <QString>

// Process lookups. One instance lives from start-up to exit (Globals.h).
class TSysFunc
{
public:
    // The id of a running process with that executable file name (letter case ignored)
    // that this program started, directly or through its children; the last one found when
    // there are several, 0 when there is none. Processes of anyone else are not seen.
    qint64 FindProcessId(const QString &exeName) const;
};
