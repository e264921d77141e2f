#include "conversion/OutputFolderChooser.h"

#include "platform/IUserDialogs.h"
#include "report/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QCoreApplication>

namespace {

// Whether files can be made in folder: a probe folder "test" is made and removed again. A
// "test" that is already there is the user's and stays untouched; a probe folder of a
// name of our own stands in for it then.
bool takesProbeFolder(const QString &folder)
{
    const QString probe = QDir(folder).filePath(QStringLiteral("test"));
    if (QFileInfo::exists(probe)) {
        QTemporaryDir temporary(QDir(folder).filePath(QStringLiteral("test-XXXXXX")));
        return temporary.isValid();
    }
    const bool made = QDir().mkdir(probe);
    if (made)
        QDir().rmdir(probe);
    return made;
}

} // namespace

QString OutputFolderChooser::Choose(const QString &current)
{
    QString chosen; // no folder preselected
    bool accepted = false;
    IUserDialogs *dialogs = m_boxes.Dialogs();
    if (dialogs && dialogs->SelectFolder(QCoreApplication::translate("OutputFolderChooser", "Please select output folder:"), chosen)) {
        if (!chosen.isEmpty() && QFileInfo(chosen).isDir()) {
            accepted = takesProbeFolder(chosen);
            if (!accepted)
                m_boxes.Show(QCoreApplication::translate("OutputFolderChooser", "This is a read-only path."), 1);
        } else {
            m_boxes.Show(QCoreApplication::translate("OutputFolderChooser", "The path is invalid."), 1);
        }
    }
    const QString folder = accepted ? chosen : current;
    // Made sure to exist; a folder that cannot be made is tried again when a job is built.
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    return folder;
}
