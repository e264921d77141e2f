#include "shell/WindowAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget == nullptr || !widget->isWindow())
        return nullptr;
    if (className == QLatin1String("MainWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("ProgressDialog"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

namespace WindowAccessibility {

void Install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(windowInterface);
}

} // namespace WindowAccessibility
