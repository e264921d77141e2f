#pragma once

// Batches end to end: the real encoder on short generated clips, the real progress dialog,
// its buttons and message boxes driven as a user would, fakes for the completion actions.

#include "conversion/ProgressDialog.h"
#include "platform/IDesktopNotifier.h"
#include "platform/IDesktopOpener.h"
#include "platform/IPowerOff.h"
#include "platform/ISleepInhibitor.h"
#include "platform/IUserDialogs.h"
#include "platform/AppPaths.h"
#include "platform/ProcessTable.h"
#include "shell/ProgramParts.h"
#include "shell/PictureButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace batchtest {

// Everything the completion actions and message boxes did, in order.
inline QStringList g_events;

class FakePowerOff : public IPowerOff
{
public:
    QString settingsFile;
    bool PowerOff() override
    {
        g_events << (QFile::exists(settingsFile) ? QStringLiteral("power off, settings saved")
                                                 : QStringLiteral("power off"));
        return true;
    }
};

class FakeOpener : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &address) override
    {
        g_events << "address " + address;
        return true;
    }
    bool OpenPath(const QString &path) override
    {
        g_events << "open " + path;
        return true;
    }
};

// Real message boxes, as the program shows them; the test answers them like a user.
class MessageBoxDialogs : public IUserDialogs
{
public:
    int MessageBox(const QString &caption, const QString &text, Icon, Buttons) override
    {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? Ok : Cancel;
    }
    bool Confirm(const QString &caption, const QString &text) override
    {
        return QMessageBox::question(nullptr, caption, text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    bool SelectFolder(const QString &, QString &) override { return false; }
};

// Answers every message box that opens: records its text, then presses Yes (or OK), or
// No when told to.
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            g_events << "box " + box->text();
            QAbstractButton *button = box->button(answerNo ? QMessageBox::No : QMessageBox::Yes);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
        });
        m_timer.start();
    }
    bool answerNo = false;

private:
    QTimer m_timer;
};

// The session's sleep hold and the desktop notification, recorded in order.
class FakeSleepInhibitor : public ISleepInhibitor
{
public:
    bool held = false;
    void Inhibit(const QString &why) override
    {
        held = true;
        g_events << "inhibit " + why;
    }
    void Release() override
    {
        held = false;
        g_events << QStringLiteral("release");
    }
};

class FakeNotifier : public IDesktopNotifier
{
public:
    void Notify(const QString &summary, const QString &body) override
    {
        g_events << "notify " + summary + ": " + body;
    }
};

inline bool processAlive(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

} // namespace batchtest

using namespace batchtest;

class BatchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void convertsTickedRowsInListOrder();
    void emptyOrUntickedListRunsNoJob();
    void stopDuringFirstJobEndsBatchWithoutCompletionActions();
    void closingTheDialogEndsBatchWithCompletionActions();
    void stopBeforeTheEncoderStartsStartsNone();
    void stopAnsweredNoChangesNothing();
    void failingSourceIsReportedAfterOpeningTheFolder();
    void failingSourceIsNotReportedWhenPoweringOff();
    void aClipThatCannotFitTheSizeLimitIsNamedAndTheRestConvert();
    void aFullDiskUnderThePortableLogStopsNoConversion();
    void missingEncoderIsReported();
    void unrelatedEncoderIsNeitherWaitedForNorKilled();
    void aBlankInTheProgramFolderRunsOnlyTheEncoder();
    void failuresBeforeAStopAreStillReported();
    void aKilledEncoderLeavesNoPartialFile();
    void sleepIsHeldDuringTheJobsAndTheEndNotified();
    void noNotificationWhileActiveStoppedOrPoweringOff_data();
    void noNotificationWhileActiveStoppedOrPoweringOff();

    // Several jobs at once (BatchTestSideBySide.cpp).
    void jobsSideBySideWriteEachSourceToItsOwnOutput_data();
    void jobsSideBySideWriteEachSourceToItsOwnOutput();
    void stopWithFourRunningLeavesNoEncoderAndNoPartialFile();
    void aFailingJobAmongRunningOnesIsNamedAndTheOthersFinish();

private:
    void addRow(const QString &path, bool checked = true, const QString &end = "00:00:01");
    QStringList logFiles() const;
    QStringList logLines(const QString &prefix) const;
    QStringList outputs() const;
    // Every file in the output folder, hidden ones included.
    QStringList allOutputFiles() const;
    QString writeBrokenSource();
    // Starts f once an encoder of this batch runs.
    void whenEncoderRuns(std::function<void()> f);
    // A clip of one colour for side-by-side runs, made once per name.
    QString colourClip(const QString &name, const QString &colour, int seconds = 2);
    // The encoders of this batch running now.
    static QList<qint64> runningEncoders();

    QTemporaryDir m_fixtures;
    QString m_clips[3];
    QString m_fifo;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_appDir;
    QString m_outDir;
    QHash<QString, qint64> m_logStart;
    std::unique_ptr<ProgramParts> m_proc;
    std::unique_ptr<QWidget> m_main;
    ProgressDialog *m_dialog = nullptr; // deleted with m_main
    FakePowerOff m_power;
    FakeOpener m_opener;
    MessageBoxDialogs m_dialogs;
    // Every box a test did not expect is answered too, so it fails instead of waiting.
    std::unique_ptr<MessageBoxAnswerer> m_answerer;
};
