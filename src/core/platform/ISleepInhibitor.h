#pragma once

#include <QString>

// Keeps the session from going to sleep while long work runs. A hold that the system
// refuses, or a system without the service, holds nothing and is not an error.
class ISleepInhibitor
{
public:
    virtual ~ISleepInhibitor() = default;
    // Asks the system not to sleep, saying why; while a hold is kept, a second call keeps it.
    virtual void Inhibit(const QString &why) = 0;
    // Gives the hold back; nothing happens when none is kept.
    virtual void Release() = 0;
};
