// Preview graph operations of the shared controller.
#include "shell/TCommonLib.h"

#include "preview/PreviewPlayer.h"

void TCommonLib::SeekGraph(IPreviewGraph *graph, qint64 ms)
{
    PreviewPlayer::SeekGraph(graph, ms);
}
