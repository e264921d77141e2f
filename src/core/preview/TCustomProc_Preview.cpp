// Preview player and trim strip: the controller operations hand over to the player and the
// strip's model, which keep the state.
#include "shell/TCustomProc.h"

void TCustomProc::OpenAndPlay(const QString &path)
{
    m_preview.OpenAndPlay(path);
}

void TCustomProc::PlayPreview()
{
    m_preview.PlayPreview();
}

void TCustomProc::PausePreview()
{
    m_preview.PausePreview();
}

void TCustomProc::StopPreview()
{
    m_preview.StopPreview();
}

void TCustomProc::LoadSelectedRow()
{
    m_trimStrip.LoadSelectedRow();
}

void TCustomProc::ResetTrimStrip()
{
    m_trimStrip.ResetTrimStrip();
}

int TCustomProc::GetRowCutSeconds(const QString &path)
{
    return m_trimStrip.GetRowCutSeconds(path);
}

QString TCustomProc::CheckTypedTimes()
{
    return m_trimStrip.dxTreeSourceFileInfoEdited();
}
