#pragma once

#include <QObject>
#include <QStringList>

class TFrmMainForm;

// Drives the real main window from a script of commands, for the end-to-end test, the
// screenshot script and the start-up benchmark. It is switched on only by the environment
// variable CLIPWRIGHT_AUTOMATION naming the script file; the program never reads it
// otherwise. One command a line, run in order once the main window is ready:
//
//   drop <path>                   drops the local file on the main window
//   select <combo> <index>        chooses an entry of a drop-down list as a user would
//   click <name>                  clicks the button of that object name (any window)
//   wait <ms>                     lets the program run for that long
//   waitfor <name> <shown|hidden> waits up to 60 s for a window to be shown or hidden
//   later <ms> <command>          runs the command after that long, also while an earlier
//                                 command (a batch) is still running
//   shot <name|screen> <file>     saves a screenshot of that window, or of the whole screen
//   report                        prints "ready_epoch_ms=... splash_ms=..." on stderr
//   dismiss-boxes                 from now on answers every message box with its default
//                                 button and prints "automation: message box: <text>"
//   close                         closes the main window as its close button does
//
// Lines starting with "#" are ignored. A command that cannot be carried out prints
// "automation: ..." on stderr and ends the program with exit code 3.
class ShellAutomation : public QObject
{
    Q_OBJECT

public:
    ShellAutomation(TFrmMainForm *form, const QString &scriptPath, QObject *parent = nullptr);

    // Starts the automation if CLIPWRIGHT_AUTOMATION is set; returns it or nullptr.
    static ShellAutomation *FromEnvironment(TFrmMainForm *form);

private:
    void start();
    void runNext();
    bool run(const QString &line);
    void fail(const QString &message);

    TFrmMainForm *m_form;
    QStringList m_lines;
    int m_next = 0;
};
