#pragma once

#include <QString>

// Shows a short message in the desktop's notification area, without waiting for it.
class IDesktopNotifier
{
public:
    virtual ~IDesktopNotifier() = default;
    virtual void Notify(const QString &summary, const QString &body) = 0;
};
