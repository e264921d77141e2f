#include "shell/StartUp.h"

#include "platform/ResourceModule.h"
#include "shell/AppPaths.h"
#include "shell/Func.h"
#include "shell/Globals.h"
#include "shell/TAppFunc.h"
#include "shell/TCommonLib.h"
#include "shell/TCustomProc.h"
#include "shell/MainWindow.h"
#include "shell/ProductInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace {

std::function<void()> g_terminateRequest;

// The controllers and the utility objects live until the program ends; a second start-up
// (tests) keeps the ones there are.
void CreateSharedObjects()
{
    if (!Globals::customProc)
        Globals::customProc = new TCustomProc;
    if (!Globals::commonLib)
        Globals::commonLib = new TCommonLib;
    CreateFuncObjects();
    Globals::commonLib->AppDir = ProgramDir();
    Globals::customProc->SetCommonLib(Globals::commonLib);
}

} // namespace

QString ProgramDir()
{
    return AppPaths::Current().ProgramDir();
}

QString ResourceModulePath()
{
    return ProgramDir() + QLatin1String(ResourceModule::kFileName);
}

void SetTerminateRequest(std::function<void()> request)
{
    g_terminateRequest = std::move(request);
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
    AppMessageBox(MissingModuleMessage(modulePath), 1);
    if (g_terminateRequest)
        g_terminateRequest();
    else
        QCoreApplication::exit(1);
    return false;
}

void StartUp(MainWindow *mainForm)
{
    CreateSharedObjects();
    const QString modulePath = ResourceModulePath();
    CheckResourceModule(modulePath);
    QCoreApplication::processEvents();
    LoadProductInfo(modulePath);
    RecSoftInfo.ExeDir = ProgramDir();
    const QString title = RecSoftInfo.ProductName + QLatin1Char(' ') + RecSoftInfo.Version;
    if (mainForm) {
        mainForm->setWindowTitle(title);
        mainForm->lblTitle->setText(title);
    }
}
