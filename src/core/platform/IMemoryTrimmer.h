#pragma once

// Gives memory that the program no longer uses back to the system.
class IMemoryTrimmer
{
public:
    virtual ~IMemoryTrimmer() = default;
    virtual void Trim() = 0;
};
