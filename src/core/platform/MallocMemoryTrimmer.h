#pragma once

#include "platform/IMemoryTrimmer.h"

// Returns the free parts of the heap to the system (malloc_trim).
class MallocMemoryTrimmer : public IMemoryTrimmer
{
public:
    void Trim() override;
};
