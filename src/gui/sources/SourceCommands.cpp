#include "sources/SourceCommands.h"

#include <exception>

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "sources/ISourceFileDialog.h"
#include "sources/SourceAdder.h"
#include "sources/SourceFileError.h"
#include "sources/SourceListCommands.h"
#include "sources/SourceListModel.h"
#include "sources/CodecErrorDialog.h"
#include "sources/AddingFilesWindow.h"
#include "sources/SourceListView.h"

SourceCommands::SourceCommands(SourceListModel &list, IMediaProbe &probe, ISourceFileDialog &dialog,
                               QWidget *owner, QObject *parent)
    : QObject(parent), m_list(list), m_probe(probe), m_dialog(&dialog), m_owner(owner)
{
}

void SourceCommands::SetOpenDialog(ISourceFileDialog *dialog)
{
    if (dialog)
        m_dialog = dialog;
}

void SourceCommands::SetListView(SourceListView *view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (!view)
        return;
    connect(view, &SourceListView::handleListKey, this,
            &SourceCommands::handleListKey);
    connect(view, &SourceListView::handleListKeyRelease, this,
            &SourceCommands::handleListKeyRelease);
    connect(view, &SourceListView::onListClicked, this,
            &SourceCommands::handleListClick);
    connect(view, &SourceListView::removeDraggedRows, this,
            &SourceCommands::removeDraggedRows);
    connect(view, &SourceListView::filesDropped, this, &SourceCommands::addDroppedFiles);
}

void SourceCommands::SetBusyWindow(AddingFilesWindow *busy)
{
    m_busy = busy;
}

AddingFilesWindow *SourceCommands::BusyWindow()
{
    if (!m_busy)
        m_busy = new AddingFilesWindow(m_owner);
    return m_busy;
}

void SourceCommands::call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

void SourceCommands::addOrThrow(const QStringList &paths)
{
    QList<SourceAdding::NotAdded> notAdded;
    const QStringList files = SourceAdding::CollectSourceFiles(paths, &notAdded);
    // Named once the adding is over, also when it ended early.
    const auto report = [&] {
        const QString message = SourceAdding::NotAddedMessage(notAdded);
        if (message.isEmpty())
            return;
        if (m_hooks.ShowWarning)
            m_hooks.ShowWarning(message);
        else
            QMessageBox::warning(m_owner, QApplication::applicationName(), message);
    };
    try {
        addFiles(files);
    } catch (...) {
        report();
        throw;
    }
    report();
}

void SourceCommands::addFiles(const QStringList &files)
{
    SourceAdding::Services services;
    services.probe = &m_probe;
    services.loadSelectedRow = m_hooks.LoadSelectedRow;
    services.showCodecErrorDialog = [this](const QString &path) {
        if (m_hooks.ShowCodecErrorDialog)
            m_hooks.ShowCodecErrorDialog(path);
        else
            ShowCodecErrorDialog(m_owner);
    };
    SourceAdding::AddSourceFiles(m_list, files, services);
}

void SourceCommands::AddSourceFiles(const QStringList &paths)
{
    guarded([&] { addOrThrow(paths); });
}

void SourceCommands::showError(const QString &message)
{
    if (m_hooks.ShowError) {
        m_hooks.ShowError(message);
        return;
    }
    QMessageBox::critical(m_owner, QApplication::applicationName(), message);
}

void SourceCommands::saveInitDir()
{
    if (m_hooks.SaveInitDir)
        m_hooks.SaveInitDir(m_dialog->FileName());
}

bool SourceCommands::guarded(const std::function<void()> &handler)
{
    // An error ends the handler and is shown in the general error box; the program goes on.
    try {
        handler();
        return true;
    } catch (const SourceFileError &error) {
        showError(error.message());
    } catch (const std::exception &error) {
        showError(QString::fromUtf8(error.what()));
    }
    return false;
}

void SourceCommands::onAddFilesRequested()
{
    guarded([this] {
        QString initialDir = m_hooks.LoadInitDir ? m_hooks.LoadInitDir() : QString();
        if (initialDir.isEmpty())
            initialDir = QDir::homePath();
        const QStringList files = SourceAdding::SelectSourceFiles(*m_dialog, true, initialDir);

        // The busy window does the adding, also for an empty list (a cancelled dialog): the
        // first row is then selected and loaded all the same.
        AddingFilesWindow *busy = BusyWindow();
        busy->SetFileList(&files);
        busy->SetAddFiles([this](const QStringList &paths) { addOrThrow(paths); });
        busy->SetSaveInitDir([this] { saveInitDir(); });
        busy->exec();
        busy->SetFileList(nullptr);
        const QString error = busy->TakeError();
        if (!error.isEmpty())
            showError(error);
        saveInitDir();
    });
}

void SourceCommands::addDroppedFiles(const QStringList &paths)
{
    AddSourceFiles(paths);
}

void SourceCommands::removeSelectedRows()
{
    // The list is painted once, when the removal is over (also when it failed).
    struct RepaintPause
    {
        QPointer<SourceListView> view;
        bool paused = false;
        explicit RepaintPause(SourceListView *v) : view(v)
        {
            if (view && view->updatesEnabled()) {
                view->setUpdatesEnabled(false);
                paused = true;
            }
        }
        ~RepaintPause()
        {
            if (view && paused)
                view->setUpdatesEnabled(true);
        }
    } pause(m_view);
    SourceListCommands::RemoveSelectedRows(m_list);
}

void SourceCommands::onRemoveFilesRequested()
{
    guarded([this] {
        removeSelectedRows();
        if (m_list.count() == 0)
            call(m_hooks.ResetTrimStrip);
        call(m_hooks.StopPreview);
        call(m_hooks.LoadSelectedRow);
    });
}

void SourceCommands::onClearListRequested()
{
    guarded([this] {
        SourceListCommands::ClearSourceList(m_list);
        call(m_hooks.StopPreview);
        call(m_hooks.ResetTrimStrip);
    });
}

void SourceCommands::handleListKey(int key, Qt::KeyboardModifiers)
{
    guarded([&] {
        call(m_hooks.LoadSelectedRow);
        if (key != Qt::Key_Delete)
            return;
        removeSelectedRows();
        call(m_hooks.StopPreview);
        if (m_list.count() == 0)
            call(m_hooks.ResetTrimStrip);
    });
}

void SourceCommands::handleListKeyRelease(int, Qt::KeyboardModifiers)
{
    guarded([this] { call(m_hooks.LoadSelectedRow); });
}

void SourceCommands::handleListClick()
{
    guarded([this] { call(m_hooks.LoadSelectedRow); });
}

void SourceCommands::removeDraggedRows()
{
    onRemoveFilesRequested();
}
