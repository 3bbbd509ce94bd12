#include "platform/random.h"

#include <cstdint>

namespace platform {
namespace {
// A 64-bit linear congruential generator (Knuth's MMIX constants); the top
// 31 bits of the state are the output.
uint64_t g_state = 0x853c49e6748fea9bULL;
}  // namespace

void seedRandom(unsigned int seed) { g_state = static_cast<uint64_t>(seed) * 0x9E3779B97F4A7C15ULL + 1; }

int nextRandom() {
    g_state = g_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>(g_state >> 33);
}

}  // namespace platform
