#include "shell/StartUp.h"

#include "platform/ResourceModule.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"
#include "shell/TFrmMainForm.h"
#include "shell/TRecSoftInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include <memory>

namespace {

// The information box with the application's title as caption.
void ShowStartUpMessage(const QString &text)
{
    QMessageBox::information(nullptr, QApplication::applicationName(), text);
}

std::unique_ptr<TCustomProc> g_customProc;
std::unique_ptr<TCommonLib> g_commonLib;

void CreateSharedObjects()
{
    g_customProc = std::make_unique<TCustomProc>();
    g_commonLib = std::make_unique<TCommonLib>();
}

} // namespace

QString ResourceModulePath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QLatin1String(ResourceModule::kFileName));
}

QString MissingModuleMessage(const QString &modulePath)
{
    return QStringLiteral("'%1' is not found. Please reinstall this program.")
        .arg(QDir::toNativeSeparators(modulePath));
}

bool CheckResourceModule(const QString &modulePath)
{
    // The module is looked for in the program's folder, where the build and the
    // installation put it, whatever the current directory is.
    if (QFileInfo(modulePath).isFile())
        return true;
    ShowStartUpMessage(MissingModuleMessage(modulePath));
    QCoreApplication::exit(1);
    return false;
}

void StartUp(TFrmMainForm *mainForm)
{
    CreateSharedObjects();
    const QString modulePath = ResourceModulePath();
    CheckResourceModule(modulePath);
    QCoreApplication::processEvents();
    LoadProductInfo(modulePath);
    RecSoftInfo.ExeDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString title = RecSoftInfo.ProductName + QLatin1Char(' ') + RecSoftInfo.Version;
    if (mainForm) {
        mainForm->setWindowTitle(title);
        mainForm->lblTitle->setText(title);
    }
}
