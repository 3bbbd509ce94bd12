// A pale winter sun in thin haze over soft rolling hills of snow, with a
// fence line running over a near hill, a few spruces and a lone bare tree.
#include <cmath>

#include "landscape.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace paint {

namespace {

constexpr uint32_t kSeed = 4400;

float hill(float x, float base, float amplitude, float frequency, uint32_t seed) {
    return base - amplitude * fbm1(x * frequency, seed, 3, 0.35f);
}

float ridge0(float x) { return 300.0f - 26.0f * ridged1(x * 0.004f, kSeed + 5, 4) - 6.0f * std::sin(x * 0.004f); }
float ridge1(float x) { return hill(x, 318.0f, 40.0f, 0.0035f, kSeed + 1); }
float ridge2(float x) { return hill(x, 345.0f, 40.0f, 0.0045f, kSeed + 2); }
float ridge3(float x) { return hill(x, 378.0f, 44.0f, 0.0040f, kSeed + 3); }
float ridge4(float x) { return hill(x, 430.0f, 60.0f, 0.0032f, kSeed + 4); }

// A bare tree as tapering strokes, branching twice or three times per limb.
void branch(Image& image, Sequence& seq, float x, float y, float angle, float length, float width, int depth, Rgb bark) {
    const float ex = x + std::cos(angle) * length, ey = y - std::sin(angle) * length;
    const int steps = 4;
    for (int i = 0; i < steps; ++i) {
        const float t0 = static_cast<float>(i) / steps, t1 = static_cast<float>(i + 1) / steps;
        const float w = width * (1.0f - 0.35f * t0);
        strokes(image, {{lerp(x, ex, t0), lerp(y, ey, t0), lerp(x, ex, t1), lerp(y, ey, t1)}}, w * 0.5f, bark, 1.0f);
    }
    if (depth == 0 || width < 0.35f) return;
    const int children = depth > 2 ? 2 : 3;
    for (int i = 0; i < children; ++i) {
        const float spread = seq.range(0.25f, 0.7f) * (i % 2 ? 1.0f : -1.0f);
        branch(image, seq, ex, ey, angle + spread, length * seq.range(0.6f, 0.8f), width * 0.62f, depth - 1, bark);
    }
}

}  // namespace

Image paintPaleSunHills() {
    Image image(kBackWidth, kBackHeight);
    image.fillVertical({{0.0f, rgb255(112, 146, 188)},
                        {0.30f, rgb255(168, 192, 216)},
                        {0.52f, rgb255(214, 222, 230)},
                        {0.66f, rgb255(232, 232, 230)}});
    glow(image, kSunX, kSunY, 260.0f, rgb255(255, 240, 210), 0.12f);
    glow(image, kSunX, kSunY, 70.0f, rgb255(255, 248, 230), 0.14f);

    // Veils of high haze drifting across the sun.
    for (int y = 30; y < 300; ++y) {
        for (int x = 0; x < kBackWidth; ++x) {
            const float n = fbm(x * 0.002f, y * 0.03f, kSeed + 11, 5);
            const float amount = smoothstep(0.45f, 0.75f, n) * (1 - smoothstep(240.0f, 300.0f, y));
            image.blend(x, y, rgb255(236, 238, 242), amount * 0.45f);
        }
    }

    // Hills from far to near, each lit on its crest and blue in its hollow.
    struct Layer {
        float (*ridge)(float);
        Rgb lit, shadow;
        float haze;
    };
    const Rgb sky = rgb255(222, 226, 232);
    const Layer layers[] = {{ridge0, rgb255(200, 212, 232), rgb255(170, 184, 214), 0.45f},
                            {ridge1, rgb255(226, 230, 238), rgb255(176, 188, 210), 0.55f},
                            {ridge2, rgb255(236, 238, 244), rgb255(164, 178, 206), 0.35f},
                            {ridge3, rgb255(244, 245, 248), rgb255(150, 166, 200), 0.18f},
                            {ridge4, rgb255(252, 252, 252), rgb255(140, 158, 196), 0.0f}};
    uint32_t seed = kSeed + 20;
    constexpr int kLayers = sizeof(layers) / sizeof(layers[0]);
    for (int i = 0; i < kLayers; ++i) {
        const Layer& layer = layers[i];
        const RidgeFn nearer = i + 1 < kLayers ? RidgeFn(layers[i + 1].ridge) : RidgeFn();
        if (layer.ridge == ridge2 || layer.ridge == ridge3) {
            // Spruces scattered along the crest of the middle hills.
            PineStyle pines;
            pines.needles = rgb255(40, 54, 60);
            pines.needlesLit = rgb255(62, 78, 80);
            pines.snow = rgb255(240, 242, 246);
            pines.snowShade = rgb255(150, 164, 190);
            pines.snowAmount = 0.5f;
            pines.lightFromX = 0.0f;
            pines.haze = sky;
            pines.hazeAmount = layer.haze + 0.15f;
            const float scale = layer.ridge == ridge3 ? 1.6f : 1.0f;
            paintPineRow(image, pines, layer.ridge, 0, kBackWidth, 4.0f * scale, 6.0f * scale, 20.0f * scale, seed++, 0.55f);
        }
        paintLayer(image, layer.ridge, [&](int x, int y, float depth) {
            const Rgb snow = snowSurface(x, y, 70, layer.lit, mix(layer.lit, layer.shadow, 0.5f), 0.0f, seed);
            const Rgb c = mix(snow, layer.shadow, smoothstep(4.0f, 60.0f, depth) * 0.8f);
            return mix(c, sky, layer.haze);
        }, 1.0f, nearer);
        ++seed;
    }

    // A fence running over the nearest hill: posts with snow caps, and
    // their soft blue shadows falling towards the viewer.
    Sequence seq(kSeed + 30);
    for (float x = 40.0f; x < 700.0f; x += seq.range(34, 42)) {
        const float t = x / 700.0f;
        const float foot = ridge4(x) + 22.0f + 40.0f * t * t;
        const float height = 26.0f + 14.0f * t;
        const float lean = seq.range(-1.5f, 1.5f);
        strokes(image, {{x + 2.0f, foot + 1.0f, x + 10.0f, foot + 6.0f}}, 2.2f, rgb255(170, 182, 212), 0.5f);
        strokes(image, {{x, foot, x + lean, foot - height}}, 1.6f + 0.8f * t, rgb255(72, 60, 56), 1.0f);
        disc(image, x + lean, foot - height - 0.5f, 2.0f + 0.6f * t, rgb255(246, 247, 250), 1.0f);
    }
    for (float x = 40.0f; x < 680.0f; x += 2.0f) {
        const float t = x / 700.0f, t2 = (x + 2.0f) / 700.0f;
        const float y = ridge4(x) + 22.0f + 40.0f * t * t - (26.0f + 14.0f * t) * 0.62f;
        const float y2 = ridge4(x + 2.0f) + 22.0f + 40.0f * t2 * t2 - (26.0f + 14.0f * t2) * 0.62f;
        strokes(image, {{x, y, x + 2.0f, y2}}, 0.6f, rgb255(80, 70, 66), 0.9f);
    }

    sparkles(image, kSeed + 31, 400, kBackHeight, 0.0012f, 0.35f);

    // The lone bare tree on the right with its shadow on the snow.
    const float tx = 830.0f, ty = ridge4(830.0f) + 40.0f;
    strokes(image, {{tx, ty, tx - 70.0f, ty + 22.0f}}, 5.0f, rgb255(168, 180, 212), 0.45f);
    Sequence treeSeq(kSeed + 32);
    branch(image, treeSeq, tx, ty, 1.57f, 62.0f, 9.0f, 7, rgb255(60, 50, 48));
    return image;
}

}  // namespace paint
