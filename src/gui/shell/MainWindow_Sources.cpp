// The main window's source list, its commands, the Options button and file drops.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>

#include "platform/MediaProbe.h"
#include "settings/OptionsDialog.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"
#include "sources/OutputSizeColumn.h"
#include "sources/SourceCommands.h"
#include "sources/SourceOpenDialog.h"
#include "sources/CodecErrorDialog.h"
#include "sources/AddingFilesWindow.h"
#include "sources/SourceListView.h"

namespace {

// The probe and the open dialog of the window's source commands, living as long as it.
class SourceServices : public QObject
{
public:
    explicit SourceServices(QWidget *owner) : QObject(owner), openDialog(owner) {}

    MediaProbe probe;
    SourceOpenDialog openDialog;
};

// The application's general error box.
void showError(MessageBoxes &messages, const QString &message)
{
    if (messages.Show(message, 0))
        return;
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

} // namespace

QWidget *MainWindow::CreateSourceList()
{
    return new SourceListView;
}

void MainWindow::BindSources()
{
    ProgramParts *parts = &m_parts;
    auto *view = qobject_cast<SourceListView *>(sourceList);
    if (!view || SourceCommander)
        return;
    SourceListModel &list = parts->sources;
    view->setSourceModel(&list);
    OutputSizes = new OutputSizeColumn(list, parts->optionLists, this);
    lblOutputTotal->setText(OutputSizes->totalText());
    connect(OutputSizes, &OutputSizeColumn::totalTextChanged, lblOutputTotal, &QLabel::setText);
    OutputSizes->setSizeLimitMB(parts->settings.SizeLimitMB());
    connect(&parts->settings.sizeLimit(), &TextFieldModel::textChanged, OutputSizes,
            [this, parts] { OutputSizes->setSizeLimitMB(parts->settings.SizeLimitMB()); });

    auto *services = new SourceServices(this);
    SourceCommander = new SourceCommands(list, services->probe, services->openDialog, this, this);
    SourceCommander->SetListView(view);
    addingFilesWindow = new AddingFilesWindow(this);
    SourceCommander->SetBusyWindow(addingFilesWindow);

    // The trim strip's LoadSelectedRow and ResetTrimStrip are set by BindPreview.
    SourceCommands::Hooks &hooks = SourceCommander->hooks();
    hooks.StopPreview = [this] { StopPreview(); };
    hooks.LoadInitDir = [parts] { return parts->settings.LoadInitDir(); };
    hooks.SaveInitDir = [parts](const QString &fileName) { parts->settings.SaveInitDir(fileName); };
    hooks.ShowError = [parts](const QString &message) { showError(parts->messages, message); };
    hooks.ShowWarning = [parts](const QString &message) {
        if (!parts->messages.Show(message, 1))
            QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(),
                                 message);
    };
    hooks.ShowCodecErrorDialog = [this](const QString &) {
        ShowCodecErrorDialog(this, [this] { openCoderDownload(); });
    };

    optionsDialog = new OptionsDialog(parts->optionLists, this);
    OptionsDialog::Operations &operations = optionsDialog->operations();
    operations = OptionsDialog::OperationsOn(*parts);
    operations.ShowError = [parts](const QString &message) { showError(parts->messages, message); };
}

void MainWindow::onAddFilesRequested()
{
    if (SourceCommander)
        SourceCommander->onAddFilesRequested();
}

void MainWindow::onRemoveFilesRequested()
{
    if (SourceCommander)
        SourceCommander->onRemoveFilesRequested();
}

void MainWindow::onClearListRequested()
{
    if (SourceCommander)
        SourceCommander->onClearListRequested();
}

void MainWindow::onOptionsRequested()
{
    if (optionsDialog)
        optionsDialog->Open();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    // Only files from outside: rows dragged out of the list are not added back.
    if (!event->source() && !SourceListView::DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QWidget::dragEnterEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (!event->source() && !SourceListView::DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QWidget::dragMoveEvent(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    // Files dropped from the desktop's file manager, full paths in the order given.
    const QStringList paths = SourceListView::DroppedPaths(event->mimeData());
    if (event->source() || paths.isEmpty() || !SourceCommander) {
        QWidget::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    SourceCommander->addDroppedFiles(paths);
}
