#pragma once

#include "platform/IMemoryTrimmer.h"

// Returns the free parts of the heap to the system (malloc_trim). From its first use on,
// large blocks get mappings of their own, so that freeing them gives them back at once.
class MallocMemoryTrimmer : public IMemoryTrimmer
{
public:
    void Trim() override;
};
