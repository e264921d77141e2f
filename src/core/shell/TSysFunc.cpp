#include "shell/TSysFunc.h"

#include "platform/ProcessTable.h"

qint64 TSysFunc::FindProcessId(const QString &exeName) const
{
    return ProcessTable::FindLastByName(ProcessTable::Descendants(), exeName);
}
