// The main window's source list, its commands, the Options button and file drops.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>

#include "platform/MediaProbe.h"
#include "settings/TfrmOption.h"
#include "shell/Globals.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"
#include "shell/TFrmMainForm.h"
#include "sources/OutputSizeColumn.h"
#include "sources/SourceCommands.h"
#include "sources/SourceOpenDialog.h"
#include "sources/TFrmCodeErrorForm.h"
#include "sources/TFrmInitFileForm.h"
#include "sources/TSourceListView.h"

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
void showError(const QString &message)
{
    if (Globals::commonLib && Globals::commonLib->ShowMsg(message, 0))
        return;
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

} // namespace

QWidget *TFrmMainForm::CreateSourceList()
{
    return new TSourceListView;
}

void TFrmMainForm::BindSources()
{
    TCustomProc *proc = Globals::customProc;
    auto *view = qobject_cast<TSourceListView *>(dxTreeSourceFileInfo);
    if (!proc || !view || SourceCommander)
        return;
    SourceListModel &list = proc->dxTreeSourceFileInfo();
    view->setSourceModel(&list);
    OutputSizes = new OutputSizeColumn(list, proc->optionBoxes(), this);
    lblOutputTotal->setText(OutputSizes->totalText());
    connect(OutputSizes, &OutputSizeColumn::totalTextChanged, lblOutputTotal, &QLabel::setText);

    auto *services = new SourceServices(this);
    SourceCommander = new SourceCommands(list, services->probe, services->openDialog, this, this);
    SourceCommander->SetListView(view);
    FrmInitFileForm = new TFrmInitFileForm(this);
    SourceCommander->SetBusyWindow(FrmInitFileForm);

    // The trim strip's LoadSelectedRow and ResetTrimStrip are set by BindPreview.
    SourceCommands::Hooks &hooks = SourceCommander->hooks();
    hooks.StopPreview = [this] { StopPreview(); };
    hooks.LoadInitDir = [proc] { return proc->LoadInitDir(); };
    hooks.SaveInitDir = [proc](const QString &fileName) { proc->SaveInitDir(fileName); };
    hooks.ShowError = showError;
    hooks.ShowWarning = [](const QString &message) {
        if (!Globals::commonLib || !Globals::commonLib->ShowMsg(message, 1))
            QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(),
                                 message);
    };
    TFrmCodeErrorForm::SetCodecDownloadHandler([this] { Label3Click(); });

    frmOption = new TfrmOption(proc->optionBoxes(), this);
    TfrmOption::Operations &operations = frmOption->operations();
    if (Globals::commonLib)
        operations = TfrmOption::ControllerOperations(*proc, *Globals::commonLib);
    operations.ShowError = showError;
}

void TFrmMainForm::btnOpenFileClick()
{
    if (SourceCommander)
        SourceCommander->btnOpenFileClick();
}

void TFrmMainForm::btnRemoveFileClick()
{
    if (SourceCommander)
        SourceCommander->btnRemoveFileClick();
}

void TFrmMainForm::btnClearFileClick()
{
    if (SourceCommander)
        SourceCommander->btnClearFileClick();
}

void TFrmMainForm::btnOptionsClick()
{
    if (frmOption)
        frmOption->Open();
}

void TFrmMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    // Only files from outside: rows dragged out of the list are not added back.
    if (!event->source() && !TSourceListView::DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QWidget::dragEnterEvent(event);
}

void TFrmMainForm::dragMoveEvent(QDragMoveEvent *event)
{
    if (!event->source() && !TSourceListView::DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QWidget::dragMoveEvent(event);
}

void TFrmMainForm::dropEvent(QDropEvent *event)
{
    // Files dropped from the desktop's file manager, full paths in the order given.
    const QStringList paths = TSourceListView::DroppedPaths(event->mimeData());
    if (event->source() || paths.isEmpty() || !SourceCommander) {
        QWidget::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    SourceCommander->WMDropFiles(paths);
}
