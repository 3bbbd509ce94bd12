#include "noise.h"

#include <cmath>

namespace paint {

uint32_t hash3(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float hashUnit(int32_t x, int32_t y, uint32_t seed) {
    return static_cast<float>(hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

static float smooth(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float valueNoise(float x, float y, uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const float a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
    const float c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float valueNoise1(float x, uint32_t seed) { return valueNoise(x, 0.5f, seed); }

float fbm(float x, float y, uint32_t seed, int octaves, float gain) {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + 101u * static_cast<uint32_t>(i));
        total += amplitude;
        amplitude *= gain;
        // Rotate a little between octaves so lattice lines do not line up.
        const float nx = x * 1.6f + y * 1.2f, ny = -x * 1.2f + y * 1.6f;
        x = nx + 17.3f;
        y = ny + 5.1f;
    }
    return sum / total;
}

float fbm1(float x, uint32_t seed, int octaves, float gain) {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise1(x, seed + 101u * static_cast<uint32_t>(i));
        total += amplitude;
        amplitude *= gain;
        x = x * 2.03f + 7.7f;
    }
    return sum / total;
}

float ridged1(float x, uint32_t seed, int octaves, float gain) {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        const float n = 1.0f - std::fabs(valueNoise1(x, seed + 131u * static_cast<uint32_t>(i)) * 2.0f - 1.0f);
        sum += amplitude * n * n;
        total += amplitude;
        amplitude *= gain;
        x = x * 2.07f + 3.3f;
    }
    return sum / total;
}

float ridged(float x, float y, uint32_t seed, int octaves, float gain) {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        const float n = 1.0f - std::fabs(valueNoise(x, y, seed + 131u * static_cast<uint32_t>(i)) * 2.0f - 1.0f);
        sum += amplitude * n * n;
        total += amplitude;
        amplitude *= gain;
        const float nx = x * 1.7f + y * 1.1f, ny = -x * 1.1f + y * 1.7f;
        x = nx + 9.1f;
        y = ny + 2.7f;
    }
    return sum / total;
}

uint32_t Sequence::next() {
    // xorshift32: tiny, fast and identical on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float Sequence::unit() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }

float Sequence::range(float lo, float hi) { return lo + (hi - lo) * unit(); }

}  // namespace paint
