// Large picture buffers freed at a scene change go back to the system, so
// that hours of scene changes leave the saver's footprint flat.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>

#include "platform/heap_policy.h"

namespace {

TEST(HeapPolicy, ALargeBlockAllocatedAfterAnotherWasFreedIsStillMappedOnItsOwn) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator has its own policy";
#else
    platform::returnLargeBlocksToTheSystem();
    const std::size_t pictureBytes = 1000 * 500 * 3;  // one decoded background
    void* first = std::malloc(pictureBytes);
    std::memset(first, 1, pictureBytes);
    std::free(first);
    // Left alone, the library would now serve blocks of this size from the
    // heap, which keeps them after they are freed.
    void* second = std::malloc(pictureBytes);
    std::memset(second, 2, pictureBytes);
    EXPECT_GE(mallinfo2().hblkhd, pictureBytes);
    std::free(second);
#endif
}

}  // namespace
