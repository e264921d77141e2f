#include "shell/StartUp.h"

#include "platform/ResourceModule.h"
#include "platform/AppPaths.h"
#include "report/MessageBoxes.h"
#include "shell/ProgramParts.h"
#include "shell/MainWindow.h"
#include "shell/ProductInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QCoreApplication>

QString ProgramDir()
{
    return AppPaths::Current().ProgramDir();
}

QString ResourceModulePath()
{
    return ProgramDir() + QLatin1String(ResourceModule::kFileName);
}

QString MissingModuleMessage(const QString &modulePath)
{
    return QCoreApplication::translate("StartUp", "'%1' is not found. Please reinstall this program.")
        .arg(QDir::toNativeSeparators(modulePath));
}

bool CheckResourceModule(MessageBoxes &messages, const QString &modulePath,
                         const std::function<void()> &terminate)
{
    // The module is looked for in the program's folder, where the build and the
    // installation put it, whatever the current directory is.
    if (QFileInfo(modulePath).isFile())
        return true;
    messages.Ask(MissingModuleMessage(modulePath), 1);
    if (terminate)
        terminate();
    else
        QCoreApplication::exit(1);
    return false;
}

void StartUp(MainWindow &mainForm)
{
    ProgramParts &parts = mainForm.Parts();
    const QString modulePath = ResourceModulePath();
    CheckResourceModule(parts.messages, modulePath);
    QCoreApplication::processEvents();
    LoadProductInfo(parts.product, modulePath);
    parts.product.ExeDir = ProgramDir();
    const QString title = parts.product.ProductName + QLatin1Char(' ') + parts.product.Version;
    mainForm.setWindowTitle(title);
    mainForm.lblTitle->setText(title);
}
