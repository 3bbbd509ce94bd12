#include "platform/heap_policy.h"

#include <malloc.h>

namespace platform {

void returnLargeBlocksToTheSystem() {
    // A fixed threshold also switches off the library's dynamic one.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

}  // namespace platform
