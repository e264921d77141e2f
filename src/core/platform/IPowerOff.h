#pragma once

// Asks the system to switch the computer off, the way a user's own request would: running
// programs and inhibitors may still refuse.
class IPowerOff
{
public:
    virtual ~IPowerOff() = default;
    // True when the system accepted the request.
    virtual bool PowerOff() = 0;
};
