// The main window's Convert button and output folder chooser, and the progress dialog.
#include "conversion/ProgressDialog.h"
#include "conversion/SizeLimit.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/LogindPowerOff.h"
#include "platform/LogindSleepInhibitor.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QSignalBlocker>

void MainWindow::BindConversion()
{
    ProgramParts *parts = &m_parts;
    auto *progressDialog = ProgressDialog::CreateForMainWindow(this);
    m_converting = progressDialog;
    progressDialog->Bind(m_parts, this);
    static LogindPowerOff powerOff;
    parts->completion.SetPowerOff(&powerOff);
    BatchEnvironment &env = parts->batch.Environment;
    env.View = progressDialog;
    // Only the window's own controls: disabling the window itself would disable the
    // progress dialog it owns, Stop included.
    env.SetMainWindowEnabled = [this](bool enabled) { SetFormEnabled(enabled); };
    // The power-off ends the program without the window's closing steps.
    env.EndProgram = [] { QCoreApplication::exit(0); };
    // The session does not sleep during a batch; its end is told in a notification when
    // the user is elsewhere.
    env.SleepInhibitor = new LogindSleepInhibitor(this);
    static FreedesktopNotifier notifier;
    env.Notifier = &notifier;
    env.IsProgramActive = [] {
        return QGuiApplication::applicationState() == Qt::ApplicationActive;
    };
}

void MainWindow::EndSession()
{
    if (m_closing)
        return;
    if (m_converting && m_converting->JobRunning())
        m_converting->StopBatch();
    m_closing = true;
    onClosing();
}

void MainWindow::onConvertRequested()
{
    m_parts.batch.Run();
}

void MainWindow::onSizeLimitEntered()
{
    if (m_sizeLimitRefused)
        return; // the box lost the focus to the message that refuses it
    TextFieldModel &limit = m_parts.settings.sizeLimit();
    const QString typed = sizeLimitBox->currentText();
    double mb = 0;
    if (SizeLimit::Parse(typed, &mb)) {
        limit.setText(SizeLimit::Text(mb));
        const QSignalBlocker quiet(sizeLimitBox);
        sizeLimitBox->setCurrentText(limit.text());
        return;
    }
    // The limit stays what it was.
    {
        const QSignalBlocker quiet(sizeLimitBox);
        sizeLimitBox->setCurrentText(limit.text());
    }
    m_sizeLimitRefused = true;
    m_parts.messages.Show(SizeLimit::RefusalOf(typed), 1);
    m_sizeLimitRefused = false;
}

void MainWindow::onChooseOutputFolderRequested()
{
    TextFieldModel &folder = m_parts.settings.outputFolder();
    folder.setText(m_parts.folderChooser.Choose(folder.text()));
}
