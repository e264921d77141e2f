#pragma once

// What the batch benchmarks share: the program's parts set up as the window sets them up,
// with a portable program folder in work and the progress dialog bound.

#include "conversion/ProgressDialog.h"
#include "platform/AppPaths.h"
#include "shell/ProgramParts.h"

#include <QString>

namespace bench {

// The program folder is work + "/app/", the outputs go to work + "/out"; the output folder
// does not open at the end. One job at a time unless the caller chooses otherwise.
inline void SetUpBatch(ProgramParts &parts, ProgressDialog &dialog, const QString &work)
{
    parts.jobs.ProgramDir = work + "/app/";
    AppPaths::SetCurrent(AppPaths::Portable(parts.jobs.ProgramDir));
    parts.settings.outputFolder().setText(work + "/out");
    parts.outputOptions.FillAll();
    parts.settings.Load();
    parts.outputOptions.ApplyProfile();
    parts.settings.showOutputFolder().setChecked(false);
    parts.settings.SetConversionsAtOnce(1);
    dialog.Bind(parts, nullptr);
    parts.batch.Environment.View = &dialog;
}

} // namespace bench
