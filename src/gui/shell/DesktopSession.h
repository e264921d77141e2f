#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <memory>

class SingleInstance;
class MainWindow;

// The program as the desktop starts it: files named on the command line are added to the
// source list as a drop would add them, and one program serves the user's session, so a
// later start hands its files over and ends (SingleInstance).
//
// Files are added once the main window takes drops (start-up done, no batch running, no
// modal window open), in the order they arrived.
class DesktopSession : public QObject
{
    Q_OBJECT

public:
    // arguments: the program's arguments after the program name (Qt's own removed).
    explicit DesktopSession(const QStringList &arguments, QObject *parent = nullptr);
    ~DesktopSession() override;

    // The command line's files as absolute paths, relative ones taken from the folder
    // given (the start's current folder); names are kept as written, links not resolved.
    static QStringList FilesFromArguments(const QStringList &arguments,
                                          const QString &currentFolder);

    // Hands the files to the program already running in this session; true when it took
    // them (this start then ends). Otherwise this program serves the session from now on.
    bool HandOverToRunningProgram(const QString &socketPath);

    // Adds the command line's files and later starts' files to this window.
    void Serve(MainWindow &mainForm);

    // Files waiting for the window to take drops.
    QStringList PendingFiles() const { return m_pending; }

private:
    void receive(const QStringList &files);
    void bringToFront();
    bool windowTakesDrops() const;
    void deliver();

    QStringList m_pending;
    std::unique_ptr<SingleInstance> m_instance;
    QPointer<MainWindow> m_mainForm;
    QTimer m_retry;
};
