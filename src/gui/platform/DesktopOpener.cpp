#include "platform/DesktopOpener.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool DesktopOpener::OpenAddress(const QString &address)
{
    const QUrl url(address, QUrl::TolerantMode);
    if (address.isEmpty() || !url.isValid())
        return false;
    return open(url.toString(QUrl::FullyEncoded));
}

bool DesktopOpener::OpenPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    return open(path);
}

bool DesktopOpener::open(const QString &target)
{
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({target});
    // Its output says nothing the user needs; a failure is told through the handler.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const FailureHandler onFailure = m_onFailure;
    QObject::connect(process, &QProcess::finished, process,
                     [process, target, onFailure](int exitCode, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || exitCode != 0) && onFailure)
                             onFailure(target);
                         process->deleteLater();
                     });
    process->start();
    if (!process->waitForStarted(5000)) {
        process->deleteLater();
        if (onFailure)
            onFailure(target);
        return false;
    }
    return true;
}

QString DesktopOpener::FailureText(const QString &target)
{
    if (QFileInfo(target).isDir())
        return QCoreApplication::translate("DesktopOpener",
                                           "No program could open the folder \"%1\". Install a "
                                           "file manager, or open it yourself.")
            .arg(target);
    return QCoreApplication::translate("DesktopOpener",
                                       "No program could open \"%1\". Install a web browser, "
                                       "or open it yourself.")
        .arg(target);
}
