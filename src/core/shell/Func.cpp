#include "shell/Func.h"

#include <memory>

#include <QCoreApplication>

#include "platform/IUserDialogs.h"
#include "shell/Globals.h"
#include "shell/TAppFunc.h"
#include "shell/TFileFunc.h"
#include "shell/TStrFunc.h"
#include "shell/TSysFunc.h"

void CreateFuncObjects()
{
    static const auto appFunc = std::make_unique<TAppFunc>();
    static const auto sysFunc = std::make_unique<TSysFunc>();
    static const auto strFunc = std::make_unique<TStrFunc>();
    static const auto fileFunc = std::make_unique<TFileFunc>();
    Globals::appFunc = appFunc.get();
    Globals::sysFunc = sysFunc.get();
    Globals::strFunc = strFunc.get();
    Globals::fileFunc = fileFunc.get();
}

void SplitToList(const QString &text, QChar delimiter, QStringList &list)
{
    list.clear();
    for (const QString &piece : text.split(delimiter, Qt::SkipEmptyParts))
        list << piece;
}

int AppMessageBox(const QString &text, int type)
{
    IUserDialogs::Buttons buttons;
    switch (type) {
    case 1:
        buttons = IUserDialogs::Buttons::Ok;
        break;
    case 2:
        buttons = IUserDialogs::Buttons::YesNo;
        break;
    case 3:
        buttons = IUserDialogs::Buttons::YesNoCancel;
        break;
    default:
        return 0;
    }
    if (!Globals::userDialogs)
        return 0;
    return Globals::userDialogs->MessageBox(AppTitle(), text, IUserDialogs::Icon::Information,
                                            buttons);
}

QString AppTitle()
{
    return QCoreApplication::applicationName();
}
