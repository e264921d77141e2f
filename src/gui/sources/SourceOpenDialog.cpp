#include "sources/SourceOpenDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include "sources/SourceAdder.h"
#include <QCoreApplication>

SourceOpenDialog::SourceOpenDialog(QWidget *owner) : m_owner(owner) {}

QStringList SourceOpenDialog::Filters()
{
    // Each filter is the text shown, then the patterns the file dialog reads (it compares
    // them without regard to letter case). Supported Files holds every accepted extension.
    QStringList supported;
    for (const QString &extension : SourceAdding::AcceptedExtensions())
        supported << QLatin1Char('*') + extension;
    return {
        QCoreApplication::translate("SourceOpenDialog", "Supported Files (%1)").arg(supported.join(QLatin1Char(' '))),
        QCoreApplication::translate("SourceOpenDialog", "3GP Files (*.3gp) (*.3gp)"),
        QCoreApplication::translate("SourceOpenDialog", "AVI Files (*.avi) (*.avi)"),
        QCoreApplication::translate("SourceOpenDialog", "ASF Files (*.asf) (*.asf)"),
        QCoreApplication::translate("SourceOpenDialog", "Flash Files (*.flv,swf) (*.flv *.swf)"),
        QCoreApplication::translate("SourceOpenDialog", "MOV Files (*.mov) (*.mov)"),
        QCoreApplication::translate("SourceOpenDialog", "WMV Files (*.wmv) (*.wmv)"),
        QCoreApplication::translate("SourceOpenDialog", "MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)"),
        QCoreApplication::translate("SourceOpenDialog", "MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)"),
        QCoreApplication::translate("SourceOpenDialog", "RM Files (*.rm,*.rmvb) (*.rm *.rmvb)"),
        QCoreApplication::translate("SourceOpenDialog", "Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac "
                       "*.wma)"),
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
    // Room for the whole size, type and date: the name column takes what is left.
    dialog.resize(760, 460);
    if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (files)
        *files = chosen;
    if (!chosen.isEmpty())
        m_fileName = chosen.constFirst();
    return true;
}
