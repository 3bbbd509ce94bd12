// Landscape building blocks: a layer of land below a ridgeline, snow-laden
// pine trees, and rows of them. The painters compose a scene from far to
// near, each layer hazier the farther away it is.
#pragma once

#include <cstdint>
#include <functional>

#include "image.h"

namespace paint {

// The ridgeline: for a column x (pixels, may be fractional) the row where
// the land begins (rows grow downwards).
using RidgeFn = std::function<float(float x)>;

// The colour of land at pixel (x, y), `depth` pixels below its ridgeline.
using LandShader = std::function<Rgb(int x, int y, float depth)>;

// Covers every pixel below the ridge with the shader's colour. The ridge is
// sampled four times across each pixel so slopes come out anti-aliased.
// `until`, when given, is the ridge of an opaque nearer layer painted later:
// rows it will cover anyway are skipped.
void paintLayer(Image& image, const RidgeFn& ridge, const LandShader& shade, float opacity = 1.0f,
                const RidgeFn& until = nullptr);

struct PineStyle {
    Rgb needles = rgb255(22, 44, 48);      // shadowed branches
    Rgb needlesLit = rgb255(40, 70, 66);   // branches turned to the light
    Rgb snow = rgb255(235, 240, 250);      // lit snow on the branches
    Rgb snowShade = rgb255(150, 170, 205); // snow in the tree's own shadow
    Rgb trunk = rgb255(28, 22, 24);
    float snowAmount = 0.5f;  // 0 bare, 1 heavily laden
    float lightFromX = -1.0f; // -1 lit from the left, 1 from the right
    Rgb haze = rgb255(0, 0, 0);
    float hazeAmount = 0.0f;  // 0 near, 1 lost in the haze
    float opacity = 1.0f;
};

// A spruce standing with its foot at (x, baseY), `height` pixels tall.
// Its tiers are jagged, slightly irregular and carry caps of snow.
void paintPine(Image& image, const PineStyle& style, float x, float baseY, float height, uint32_t seed);

// A row of pines along a ridge, between columns x0 and x1: `spacing` pixels
// apart on average, heights scaled between minHeight and maxHeight by noise
// so that they gather in groves; `clearings` (0 to 0.8) is how much of the
// row is left open between the groves. With a `band` the trees stand at
// depths from the ridge to `band` pixels below it, nearer ones larger.
void paintPineRow(Image& image, const PineStyle& style, const RidgeFn& ground, float x0, float x1,
                  float spacing, float minHeight, float maxHeight, uint32_t seed, float clearings = 0.3f,
                  float band = 0.0f);

// Snow-covered ground with soft drifts: colour from a lit and a shadowed
// snow tone by the slope of a noise heightfield; `scale` sets the size of
// the drifts in pixels, `lightFromX` the side the light comes from.
Rgb snowSurface(float x, float y, float scale, Rgb lit, Rgb shadow, float lightFromX, uint32_t seed);

}  // namespace paint
