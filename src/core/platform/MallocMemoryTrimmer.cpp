#include "platform/MallocMemoryTrimmer.h"

#include <malloc.h>

void MallocMemoryTrimmer::Trim()
{
    ::malloc_trim(0);
}
