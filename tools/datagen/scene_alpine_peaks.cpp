// Alpine peaks at dawn: a rose and gold sky, the sun rising over a col
// between jagged snowy summits lit by alpenglow, blue valley shadows, forested
// slopes and a snowfield with spruces in the foreground.
#include <algorithm>
#include <cmath>

#include "landscape.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace paint {

namespace {

constexpr uint32_t kSeed = 2200;

// High jagged summits, kept low around the col where the sun rises.
float summitRidge(float x) {
    const float col = 1.0f - 0.72f * std::exp(-std::pow((x - kSunX) / 120.0f, 2.0f));
    const float massif = 0.55f + 0.45f * std::sin((x - 120.0f) * 0.0072f);
    const float jag = ridged1(x * 0.006f, kSeed + 1, 6, 0.5f);
    const float crags = ridged1(x * 0.03f, kSeed + 5, 3);
    return 318.0f - (95.0f * massif + 70.0f * jag + 14.0f * crags) * col;
}

float middleRidge(float x) { return 330.0f - 45.0f * ridged1(x * 0.008f + 3.0f, kSeed + 2, 5) - 10.0f * std::sin(x * 0.01f); }

float forestRidge(float x) { return 382.0f - 26.0f * fbm1(x * 0.006f, kSeed + 3, 4) + 18.0f * std::cos(x * 0.0063f); }

float fieldRidge(float x) {
    const float edge = std::pow(std::fabs(x - 520.0f) / 520.0f, 2.5f);
    return 436.0f - 8.0f * fbm1(x * 0.01f, kSeed + 4, 3) - 60.0f * edge;
}

// Snow and rock on a mountain face lit from the sun's side.
Rgb mountainFace(const RidgeFn& ridge, int x, float depth, Rgb lit, Rgb shade, Rgb rock, uint32_t seed) {
    const float s = 2.0f + depth * 0.4f;
    const float slope = (ridge(x + s) - ridge(x - s)) / (2 * s);
    const float towardsSun = std::clamp((kSunX - x) / 60.0f, -1.0f, 1.0f);  // no seam under the sun
    const float facing = clamp01(0.45f + 1.4f * slope * towardsSun);
    // Rock shows in streaks running down the fall line, and in the cliffs
    // that face away from the light.
    const float streak = fbm(x * 0.07f, depth * 0.012f, seed, 4) * 0.7f + 0.3f * fbm(x * 0.01f, depth * 0.02f, seed + 2u, 2);
    const float crag = fbm(x * 0.02f, depth * 0.03f, seed + 1u, 3);
    Rgb c = mix(shade, lit, smoothstep(0.2f, 0.8f, facing));
    const float rocky = smoothstep(0.57f, 0.62f, streak) * smoothstep(0.3f, 0.6f, crag) * smoothstep(3.0f, 12.0f, depth);
    c = mix(c, rock, rocky * (0.3f + 0.4f * (1 - facing)));
    return c;
}

}  // namespace

Image paintAlpinePeaks() {
    Image image(kBackWidth, kBackHeight);
    image.fillVertical({{0.0f, rgb255(32, 42, 92)},
                        {0.22f, rgb255(78, 78, 138)},
                        {0.40f, rgb255(176, 124, 156)},
                        {0.52f, rgb255(238, 160, 138)},
                        {0.62f, rgb255(252, 204, 150)}});
    stars(image, kSeed + 10, 260, 110.0f, 0.5f);
    glow(image, kSunX, kSunY, 230.0f, rgb255(255, 170, 120), 0.16f);
    glow(image, kSunX, kSunY, 70.0f, rgb255(255, 225, 170), 0.32f);

    // Long thin clouds, their undersides catching the light.
    for (int y = 20; y < 240; ++y) {
        for (int x = 0; x < kBackWidth; ++x) {
            const float n = fbm(x * 0.0025f, y * 0.045f, kSeed + 11, 5);
            const float amount = smoothstep(0.55f, 0.75f, n) * (1 - smoothstep(170.0f, 240.0f, y));
            const float near = std::exp(-std::pow(std::hypot(x - kSunX, (y - kSunY) * 2.0f) / 380.0f, 2.0f));
            const Rgb c = mix(rgb255(120, 90, 140), rgb255(255, 190, 160), 0.35f + 0.65f * near);
            image.blend(x, y, c, amount * 0.7f);
        }
    }

    const Rgb haze = rgb255(200, 150, 170);
    paintLayer(image, summitRidge, [&](int x, int, float depth) {
        Rgb c = mountainFace(summitRidge, x, depth, rgb255(255, 196, 180), rgb255(130, 118, 170),
                             rgb255(82, 70, 108), kSeed + 5);
        return mix(c, haze, 0.25f + 0.5f * smoothstep(10.0f, 120.0f, depth));
    }, 1.0f, middleRidge);
    const Rgb valleyHaze = rgb255(120, 120, 170);
    paintLayer(image, middleRidge, [&](int x, int, float depth) {
        Rgb c = mountainFace(middleRidge, x, depth, rgb255(200, 170, 200), rgb255(90, 96, 150),
                             rgb255(50, 52, 86), kSeed + 6);
        return mix(c, valleyHaze, 0.2f + 0.6f * smoothstep(0.0f, 60.0f, depth));
    }, 1.0f, forestRidge);

    // Forested slopes in blue shadow; the trees stand in snow.
    PineStyle forest;
    forest.needles = rgb255(30, 38, 66);
    forest.needlesLit = rgb255(46, 54, 84);
    forest.snow = rgb255(190, 186, 222);
    forest.snowShade = rgb255(110, 114, 160);
    forest.snowAmount = 0.55f;
    forest.haze = valleyHaze;
    forest.hazeAmount = 0.3f;
    paintPineRow(image, forest, forestRidge, 0, kBackWidth, 4.0f, 12.0f, 30.0f, kSeed + 7, 0.3f, 10.0f);
    paintLayer(image, forestRidge, [&](int x, int y, float depth) {
        Rgb c = snowSurface(x, y, 30, rgb255(170, 170, 215), rgb255(92, 98, 150), 0.0f, kSeed + 8);
        return mix(c, rgb255(60, 66, 110), 0.5f * smoothstep(0.0f, 40.0f, depth));
    }, 1.0f, fieldRidge);
    forest.hazeAmount = 0.15f;
    Sequence seq(kSeed + 9);
    for (int i = 0; i < 160; ++i) {
        const float x = seq.range(0, kBackWidth);
        const float y = forestRidge(x) + seq.range(4, 44);
        paintPine(image, forest, x, y, seq.range(10, 26), seq.next());
    }

    // The snowfield in front: warm light on the crests, blue in the hollows.
    paintLayer(image, fieldRidge, [&](int x, int y, float depth) {
        const Rgb c = snowSurface(x, y, 60, rgb255(255, 226, 214), rgb255(120, 124, 184), 0.0f, kSeed + 12);
        return mix(c, c * 0.85f, smoothstep(0.0f, 70.0f, depth));
    });
    sparkles(image, kSeed + 13, 420, kBackHeight, 0.0015f, 0.4f);

    PineStyle nearPines;
    nearPines.needles = rgb255(18, 26, 40);
    nearPines.needlesLit = rgb255(40, 50, 60);
    nearPines.snow = rgb255(255, 232, 222);
    nearPines.snowShade = rgb255(120, 124, 178);
    nearPines.snowAmount = 0.6f;
    const float trees[][2] = {{70, 210}, {130, 160}, {185, 110}, {930, 220}, {870, 150}, {815, 95}};
    uint32_t seed = kSeed + 20;
    for (const auto& t : trees) {
        nearPines.lightFromX = t[0] < kSunX ? 0.7f : -0.7f;
        paintPine(image, nearPines, t[0], fieldRidge(t[0]) + 8, t[1], seed++);
    }
    return image;
}

}  // namespace paint
