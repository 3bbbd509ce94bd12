// How the process's heap treats large buffers. The saver decodes a few
// megabytes of pictures at every scene change and frees them right after;
// left to its own devices the C library raises its threshold for mapping
// large blocks after the first such free and keeps later ones in the heap,
// whose size then drifts with fragmentation over hours of scene changes.
#pragma once

namespace platform {

// Large blocks (128 KB and more) are always mapped on their own and go
// back to the system when freed. Called once, first thing in main.
void returnLargeBlocksToTheSystem();

}  // namespace platform
