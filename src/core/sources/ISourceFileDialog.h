#pragma once

#include <QString>
#include <QStringList>

// The open dialog that chooses source files (dlgOpenSourceFile): several files at once,
// starting in a given folder. The real one is a file dialog; tests hand in fakes.
class ISourceFileDialog
{
public:
    virtual ~ISourceFileDialog() = default;

    // Shows the dialog starting in initialDir. True with the chosen files' full paths, in
    // the order the dialog reports them, when the user confirmed; false when cancelled.
    virtual bool Execute(const QString &initialDir, QStringList *files) = 0;

    // The first file chosen the last time the dialog was confirmed; empty before that.
    virtual QString FileName() const = 0;
};
