#include "platform/MallocMemoryTrimmer.h"

#include <malloc.h>

namespace {

// Blocks from this size up get mappings of their own, which go back to the system as soon
// as they are freed; the allocator's default of 128 KiB, but fixed.
constexpr int kOwnMappingBytes = 128 * 1024;

bool keepLargeBlocksApart()
{
    // By default the allocator raises both thresholds after a large block is freed (a video
    // frame of the preview), after which such blocks are carved from the heaps of the
    // player's threads. Trimming cannot reach what those heaps keep, so every preview would
    // leave megabytes behind. Fixed thresholds keep large blocks in their own mappings and
    // let the heaps shrink.
    ::mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
    ::mallopt(M_TRIM_THRESHOLD, kOwnMappingBytes);
    return true;
}

} // namespace

void MallocMemoryTrimmer::Trim()
{
    static const bool largeBlocksApart = keepLargeBlocksApart();
    (void)largeBlocksApart;
    ::malloc_trim(0);
}
