#include "report/MessageBoxes.h"

#include "platform/IUserDialogs.h"

#include <QCoreApplication>

bool MessageBoxes::Show(const QString &text, int type)
{
    static const IUserDialogs::Icon icons[] = {
        IUserDialogs::Icon::Error, IUserDialogs::Icon::Warning, IUserDialogs::Icon::Question,
        IUserDialogs::Icon::Information};
    if (type < 0 || type > 3 || !m_dialogs)
        return false;
    m_dialogs->MessageBox(Title(), text, icons[type], IUserDialogs::Buttons::Ok);
    return true;
}

int MessageBoxes::Ask(const QString &text, int type)
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
    if (!m_dialogs)
        return 0;
    return m_dialogs->MessageBox(Title(), text, IUserDialogs::Icon::Information, buttons);
}

bool MessageBoxes::Confirm(const QString &text)
{
    return m_dialogs && m_dialogs->Confirm(Title(), text);
}

QString MessageBoxes::Title()
{
    return QCoreApplication::applicationName();
}
