// Deterministic noise for painting: a hash of integer lattice points, smooth
// value noise on that lattice, and fractal sums of it. Everything depends
// only on the arguments, so the same call paints the same picture every run.
#pragma once

#include <cstdint>

namespace paint {

// A well-mixed 32-bit hash of a lattice point and a seed.
uint32_t hash3(int32_t x, int32_t y, uint32_t seed);

// A hash mapped to [0, 1).
float hashUnit(int32_t x, int32_t y, uint32_t seed);

// Smoothly interpolated value noise in [0, 1); one lattice cell per unit.
float valueNoise(float x, float y, uint32_t seed);
float valueNoise1(float x, uint32_t seed);

// Fractal sum of value noise, normalised to [0, 1). Each octave doubles the
// frequency and multiplies the amplitude by gain.
float fbm(float x, float y, uint32_t seed, int octaves, float gain = 0.5f);
float fbm1(float x, uint32_t seed, int octaves, float gain = 0.5f);

// Ridged fractal noise in [0, 1]: sharp crests where the noise crosses its
// middle, used for mountain ridgelines and rock streaks.
float ridged1(float x, uint32_t seed, int octaves, float gain = 0.5f);
float ridged(float x, float y, uint32_t seed, int octaves, float gain = 0.5f);

// A small deterministic pseudo-random sequence for placing things.
class Sequence {
public:
    explicit Sequence(uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {
        if (state_ == 0) state_ = 1;  // xorshift never leaves zero
    }
    uint32_t next();
    float unit();                         // [0, 1)
    float range(float lo, float hi);      // [lo, hi)

private:
    uint32_t state_;
};

}  // namespace paint
