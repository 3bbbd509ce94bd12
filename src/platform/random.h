// The one process-wide pseudo-random generator. The snowfall and the scene
// choice draw from it; rendering start-up seeds it with the calendar time.
#pragma once

namespace platform {

void seedRandom(unsigned int seed);

// The next number: a non-negative integer from 0 to 2^31 - 1.
int nextRandom();

}  // namespace platform
