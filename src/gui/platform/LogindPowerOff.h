#pragma once

#include "platform/IPowerOff.h"

// Switches the computer off through systemd-logind on the system bus. The request is
// interactive, so logind asks for authorisation where needed and honours inhibitors.
class LogindPowerOff : public IPowerOff
{
public:
    bool PowerOff() override;
};
