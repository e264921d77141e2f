// Adding sources and the source list commands of TCommonLib: they hand over to the
// sources subsystem, where the rules live.
#include "shell/TCommonLib.h"
#include "sources/SourceAdder.h"
#include "sources/SourceListCommands.h"

void TCommonLib::AddSourceFiles(SourceListModel &list, const QStringList &paths,
                                const SourceAdding::Services &services)
{
    SourceAdding::AddSourceFiles(list, paths, services);
}

QStringList TCommonLib::SelectSourceFiles(ISourceFileDialog &dialog, bool removeDuplicates,
                                          const QString &initialDir)
{
    return SourceAdding::SelectSourceFiles(dialog, removeDuplicates, initialDir);
}

QStringList TCommonLib::RemoveDuplicatePaths(const QStringList &paths)
{
    return SourceAdding::RemoveDuplicatePaths(paths);
}

qint64 TCommonLib::GetSourceFileSize(const QString &path, IMediaProbe &probe)
{
    return SourceAdding::GetSourceFileSize(path, probe);
}

int TCommonLib::ProbeDuration(const QString &path, IMediaProbe &probe)
{
    return SourceAdding::ProbeDuration(path, probe);
}

void TCommonLib::RemoveSelectedRows(SourceListModel &list)
{
    SourceListCommands::RemoveSelectedRows(list);
}

bool TCommonLib::ClearSourceList(SourceListModel &list)
{
    return SourceListCommands::ClearSourceList(list);
}
