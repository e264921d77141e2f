#pragma once

#include <functional>

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QLabel;
class QTimer;

// The busy window of the Open command: a small borderless window, centred over the main
// window, that shows "Installing File..." with a turning sign while the chosen files are
// added. Shown modally; it starts the work 300 ms after it appeared and closes itself when
// the work is over, also when the work failed.
class AddingFilesWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AddingFilesWindow(QWidget *parent = nullptr);

    // The paths to add next; the window keeps the reference until it is handed another list.
    void SetFileList(const QStringList *fileList);
    const QStringList &FileList() const;

    // The work done with the file list: adding the sources, then storing the folder. An
    // error the work throws is kept and can be taken with TakeError once the window closed.
    void SetAddFiles(std::function<void(const QStringList &)> addFiles);
    void SetSaveInitDir(std::function<void()> saveInitDir);
    // The message of the error that ended the last work, emptied by the call.
    QString TakeError();

    int SpinIndex() const { return m_spinIndex; }
    QLabel *infoLabel() const { return m_infoLabel; }
    QTimer *spinnerTimer() const { return m_spinnerTimer; }
    QTimer *workTimer() const { return m_workTimer; }

    // The label's text for a spinner step (1 to 4).
    static QString SpinText(int step);

public Q_SLOTS:
    void turnSpinner();
    void startWork();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onShown();
    void onClosed();

    const QStringList m_emptyList;
    const QStringList *m_fileList = &m_emptyList;
    std::function<void(const QStringList &)> m_addFiles;
    std::function<void()> m_saveInitDir;
    QString m_error;
    int m_spinIndex = 1;
    bool m_working = false;
    QLabel *m_infoLabel = nullptr;
    QTimer *m_spinnerTimer = nullptr;
    QTimer *m_workTimer = nullptr;
    QPixmap m_skin;
};
