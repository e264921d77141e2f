#pragma once

#include <functional>

#include <QObject>
#include <QPointer>
#include <QStringList>

class IMediaProbe;
class ISourceFileDialog;
class QWidget;
class SourceListModel;
class AddingFilesWindow;
class SourceListView;

// The main window's commands on the source list: the Open command with its busy window,
// files dropped on the window, Remove, Clear and the list's key, click and drag events.
// The main window connects its buttons and the list's signals here; the preview, the trim
// strip and the settings are reached through the hooks, each of which may stay empty.
class SourceCommands : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void()> StopPreview;
        std::function<void()> LoadSelectedRow;
        std::function<void()> ResetTrimStrip;
        // The folder the open dialog starts in; the home folder when empty.
        std::function<QString()> LoadInitDir;
        // Stores the folder of the open dialog's current file name (given).
        std::function<void(const QString &dialogFileName)> SaveInitDir;
        // The application's general error box; a critical message box when empty.
        std::function<void(const QString &message)> ShowError;
        // A warning to the user (what could not be added); a warning box when empty.
        std::function<void(const QString &message)> ShowWarning;
        // The codec error dialog for a file that cannot be read; when empty the dialog
        // is shown over the owner window.
        std::function<void(const QString &path)> ShowCodecErrorDialog;
    };

    SourceCommands(SourceListModel &list, IMediaProbe &probe, ISourceFileDialog &dialog,
                   QWidget *owner, QObject *parent = nullptr);

    Hooks &hooks() { return m_hooks; }

    // The open dialog of the Open command (tests hand in one that answers by itself).
    void SetOpenDialog(ISourceFileDialog *dialog);
    ISourceFileDialog *OpenDialog() const { return m_dialog; }

    // The list widget whose events this object answers; connects them.
    void SetListView(SourceListView *view);
    // The busy window of the Open command; made on first use when none is given.
    void SetBusyWindow(AddingFilesWindow *busy);
    AddingFilesWindow *BusyWindow();

    // The way paths from outside (drops, the command line, the open dialog) enter the
    // list: folders give the files inside them, every check of the adding applies, and
    // what could not be added is named in one warning afterwards. Failures are shown,
    // never thrown.
    void AddSourceFiles(const QStringList &paths);

public Q_SLOTS:
    void onAddFilesRequested();
    void addDroppedFiles(const QStringList &paths);
    void onRemoveFilesRequested();
    void onClearListRequested();
    void handleListKey(int key, Qt::KeyboardModifiers modifiers);
    void handleListKeyRelease(int key, Qt::KeyboardModifiers modifiers);
    void handleListClick();
    void removeDraggedRows();

private:
    // Runs a handler's body; an error it throws is shown, and false is given.
    bool guarded(const std::function<void()> &handler);
    // Adds paths as AddSourceFiles does; throws SourceFileError like the adding itself.
    void addOrThrow(const QStringList &paths);
    // Adds files, without opening folders or naming what was left out.
    void addFiles(const QStringList &files);
    void removeSelectedRows();
    void saveInitDir();
    void showError(const QString &message);
    void call(const std::function<void()> &hook);

    SourceListModel &m_list;
    IMediaProbe &m_probe;
    ISourceFileDialog *m_dialog;
    QPointer<QWidget> m_owner;
    QPointer<SourceListView> m_view;
    QPointer<AddingFilesWindow> m_busy;
    Hooks m_hooks;
};
