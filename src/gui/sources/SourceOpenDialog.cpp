#include "sources/SourceOpenDialog.h"

#include <QDir>
#include <QFileDialog>

SourceOpenDialog::SourceOpenDialog(QWidget *owner) : m_owner(owner) {}

QStringList SourceOpenDialog::Filters()
{
    // Each filter is the text shown, then the patterns the file dialog reads.
    return {
        QStringLiteral("Supported Files (*.3gp *.mp4 *.m4v *.mpeg *.mpg *.avi *.asf *.mov "
                       "*.wmv *.flv *.swf *.rm *.rmvb)"),
        QStringLiteral("3GP Files (*.3gp) (*.3gp)"),
        QStringLiteral("AVI Files (*.avi) (*.avi)"),
        QStringLiteral("ASF Files (*.asf) (*.asf)"),
        QStringLiteral("Flash Files (*.flv,swf) (*.flv *.swf)"),
        QStringLiteral("MOV Files (*.mov) (*.mov)"),
        QStringLiteral("WMV Files (*.wmv) (*.wmv)"),
        QStringLiteral("MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)"),
        QStringLiteral("MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)"),
        QStringLiteral("RM Files (*.rm,*.rmvb) (*.rm *.rmvb)"),
    };
}

bool SourceOpenDialog::Execute(const QString &initialDir, QStringList *files)
{
    QFileDialog dialog(m_owner);
    dialog.setObjectName(QStringLiteral("dlgOpenSourceFile"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    // The patterns stay out of sight: each filter shows its own text only.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(Filters());
    dialog.selectNameFilter(Filters().constFirst());
    // A stored folder that is gone starts the dialog in the home folder.
    dialog.setDirectory(QDir(initialDir).exists() ? initialDir : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (files)
        *files = chosen;
    if (!chosen.isEmpty())
        m_fileName = chosen.constFirst();
    return true;
}
