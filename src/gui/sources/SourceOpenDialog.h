#pragma once

#include "sources/ISourceFileDialog.h"

class QWidget;

// The open dialog for source files (dlgOpenSourceFile) on the platform's file dialog:
// several files at once, resizable, the ten filters with "Supported Files" first.
class SourceOpenDialog : public ISourceFileDialog
{
public:
    explicit SourceOpenDialog(QWidget *owner = nullptr);

    // The ten filters as the file dialog lists them.
    static QStringList Filters();

    bool Execute(const QString &initialDir, QStringList *files) override;
    QString FileName() const override { return m_fileName; }

private:
    QWidget *m_owner;
    QString m_fileName;
};
