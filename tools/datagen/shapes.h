// Anti-aliased shapes and lights shared by the painters: glows, discs,
// stars, sparkles and thick strokes (the letters and the snowflake arms are
// built from strokes).
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace paint {

// Distance from point p to the segment a-b.
float segmentDistance(float px, float py, float ax, float ay, float bx, float by);

// Adds a soft halo of light: amount = strength * exp(-(d / radius)^2).
void glow(Image& image, float cx, float cy, float radius, Rgb colour, float strength);

// A filled disc with an anti-aliased rim `feather` pixels wide.
void disc(Image& image, float cx, float cy, float radius, Rgb colour, float opacity, float feather = 1.0f);

// Stars scattered over rows [0, maxY): their density and brightness fade
// towards maxY, where the sky meets the haze of the horizon. A few are bright
// with a tiny halo; the colours vary from blue-white to warm white.
void stars(Image& image, uint32_t seed, int count, float maxY, float brightness);

struct Segment {
    float ax, ay, bx, by;
};

// Draws segments as strokes with round ends, halfWidth pixels from the
// centre line, with an anti-aliased edge.
void strokes(Image& image, const std::vector<Segment>& segments, float halfWidth, Rgb colour, float opacity);

// Fine glints of light on snow within rows [y0, y1): the fraction of pixels
// that glint, and how bright they are.
void sparkles(Image& image, uint32_t seed, int y0, int y1, float fraction, float strength);

}  // namespace paint
