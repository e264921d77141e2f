#include "shell/DesktopSession.h"

#include "shell/SingleInstance.h"
#include "shell/MainWindow.h"
#include "sources/SourceCommands.h"

#include <QApplication>
#include <QDir>

namespace {

// How often files that wait look again whether the window takes drops.
constexpr int kRetryMs = 250;

} // namespace

DesktopSession::DesktopSession(const QStringList &arguments, QObject *parent)
    : QObject(parent), m_pending(FilesFromArguments(arguments, QDir::currentPath()))
{
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &DesktopSession::deliver);
}

DesktopSession::~DesktopSession() = default;

QStringList DesktopSession::FilesFromArguments(const QStringList &arguments,
                                               const QString &currentFolder)
{
    QStringList files;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        files << (QDir::isAbsolutePath(argument)
                      ? QDir::cleanPath(argument)
                      : QDir::cleanPath(currentFolder + QLatin1Char('/') + argument));
    }
    return files;
}

bool DesktopSession::HandOverToRunningProgram(const QString &socketPath)
{
    m_instance = std::make_unique<SingleInstance>(socketPath);
    if (m_instance->Start(m_pending) == SingleInstance::Outcome::HandedOver)
        return true;
    connect(m_instance.get(), &SingleInstance::FilesHandedOver, this, &DesktopSession::receive);
    return false;
}

void DesktopSession::Serve(MainWindow &mainForm)
{
    m_mainForm = &mainForm;
    connect(&mainForm, &MainWindow::ready, this, &DesktopSession::deliver);
    deliver();
}

void DesktopSession::receive(const QStringList &files)
{
    bringToFront();
    m_pending << files;
    deliver();
}

void DesktopSession::bringToFront()
{
    if (!m_mainForm)
        return;
    m_mainForm->setWindowState(m_mainForm->windowState() & ~Qt::WindowMinimized);
    m_mainForm->show();
    m_mainForm->raise();
    m_mainForm->activateWindow();
    // A dialog that is open over the window stays in front of it.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

bool DesktopSession::windowTakesDrops() const
{
    // The window takes drops once its first showing has finished; a batch (disabled
    // window) or a modal window (the splash, a message, the busy window) blocks drops, so
    // the files wait for them to end.
    return m_mainForm && m_mainForm->IsReady() && m_mainForm->acceptDrops() &&
           m_mainForm->IsFormEnabled() && m_mainForm->isEnabled() &&
           !QApplication::activeModalWidget() && m_mainForm->SourceCommander;
}

void DesktopSession::deliver()
{
    if (m_pending.isEmpty()) {
        m_retry.stop();
        return;
    }
    if (!windowTakesDrops()) {
        if (m_mainForm)
            m_retry.start();
        return;
    }
    m_retry.stop();
    const QStringList files = std::exchange(m_pending, {});
    m_mainForm->SourceCommander->addDroppedFiles(files);
    // Files handed over while these were added wait for the next look.
    if (!m_pending.isEmpty())
        m_retry.start();
}
