// A pine forest at dusk: the afterglow of a set sun behind soft hills,
// the evening star, layers of forest fading into the violet haze and a snowy
// clearing framed by tall, heavily laden pines.
#include <cmath>

#include "landscape.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace paint {

namespace {

constexpr uint32_t kSeed = 3300;

float hillRidge(float x) { return 322.0f - 30.0f * fbm1(x * 0.004f, kSeed + 1, 4) + 10.0f * std::sin(x * 0.005f); }
float forestRidge(float x) { return 352.0f - 18.0f * fbm1(x * 0.005f + 4.0f, kSeed + 2, 4); }
float nearRidge(float x) { return 388.0f - 16.0f * fbm1(x * 0.006f + 9.0f, kSeed + 3, 4); }
float clearingRidge(float x) {
    const float edge = std::pow(std::fabs(x - 480.0f) / 520.0f, 2.0f);
    return 424.0f - 8.0f * fbm1(x * 0.01f, kSeed + 4, 3) - 40.0f * edge;
}

}  // namespace

Image paintPineDusk() {
    Image image(kBackWidth, kBackHeight);
    image.fillVertical({{0.0f, rgb255(16, 22, 58)},
                        {0.25f, rgb255(50, 48, 104)},
                        {0.45f, rgb255(134, 88, 132)},
                        {0.58f, rgb255(226, 132, 112)},
                        {0.68f, rgb255(252, 186, 120)}});
    stars(image, kSeed + 10, 500, 170.0f, 0.7f);
    // The evening star, bright, with a faint cross of light.
    const float vx = 640.0f, vy = 118.0f;
    glow(image, vx, vy, 5.0f, rgb255(255, 250, 235), 0.35f);
    glow(image, vx, vy, 1.3f, rgb255(255, 255, 250), 1.0f);
    // The afterglow, centred where the sun went down.
    glow(image, 470.0f, 360.0f, 260.0f, rgb255(255, 150, 90), 0.22f);

    // Wisps of cloud lit orange from below.
    for (int y = 140; y < 300; ++y) {
        for (int x = 0; x < kBackWidth; ++x) {
            const float n = fbm(x * 0.003f, y * 0.06f, kSeed + 11, 5);
            const float amount = smoothstep(0.58f, 0.78f, n) * smoothstep(140.0f, 200.0f, y) * (1 - smoothstep(260.0f, 300.0f, y));
            image.blend(x, y, mix(rgb255(120, 70, 110), rgb255(255, 160, 120), smoothstep(180.0f, 290.0f, y)), amount * 0.6f);
        }
    }

    const Rgb haze = rgb255(150, 96, 130);
    PineStyle pines;
    pines.needles = rgb255(70, 52, 90);
    pines.needlesLit = rgb255(90, 66, 104);
    pines.snow = rgb255(190, 150, 170);
    pines.snowShade = rgb255(130, 100, 140);
    pines.snowAmount = 0.4f;
    pines.haze = haze;
    pines.hazeAmount = 0.45f;
    paintPineRow(image, pines, hillRidge, 0, kBackWidth, 4.0f, 8.0f, 20.0f, kSeed + 5);
    paintLayer(image, hillRidge, [&](int x, int y, float depth) {
        const Rgb c = snowSurface(x, y, 40, rgb255(200, 150, 170), rgb255(140, 104, 144), 0.0f, kSeed + 6);
        return mix(c, haze, 0.3f + 0.4f * smoothstep(0.0f, 30.0f, depth));
    }, 1.0f, forestRidge);

    pines.needles = rgb255(42, 36, 70);
    pines.needlesLit = rgb255(60, 48, 82);
    pines.snow = rgb255(214, 160, 168);
    pines.snowShade = rgb255(118, 92, 136);
    pines.snowAmount = 0.5f;
    pines.hazeAmount = 0.22f;
    paintPineRow(image, pines, forestRidge, 0, kBackWidth, 4.0f, 18.0f, 44.0f, kSeed + 7, 0.3f, 14.0f);
    paintLayer(image, forestRidge, [&](int x, int y, float depth) {
        const Rgb c = snowSurface(x, y, 40, rgb255(214, 160, 170), rgb255(110, 88, 136), 0.0f, kSeed + 8);
        return mix(c, rgb255(90, 70, 120), 0.4f * smoothstep(0.0f, 30.0f, depth));
    }, 1.0f, nearRidge);

    pines.needles = rgb255(22, 24, 46);
    pines.needlesLit = rgb255(40, 38, 62);
    pines.snow = rgb255(236, 180, 170);
    pines.snowShade = rgb255(110, 96, 146);
    pines.snowAmount = 0.6f;
    pines.hazeAmount = 0.08f;
    paintPineRow(image, pines, nearRidge, 0, kBackWidth, 7.0f, 26.0f, 70.0f, kSeed + 9, 0.35f, 18.0f);
    paintLayer(image, nearRidge, [&](int x, int y, float depth) {
        const Rgb c = snowSurface(x, y, 45, rgb255(240, 186, 176), rgb255(100, 92, 146), 0.0f, kSeed + 12);
        return mix(c, rgb255(80, 74, 128), 0.35f * smoothstep(0.0f, 36.0f, depth));
    }, 1.0f, clearingRidge);

    // The clearing: warm afterglow on the snow crests, violet shadows.
    paintLayer(image, clearingRidge, [&](int x, int y, float depth) {
        const Rgb c = snowSurface(x, y, 60, rgb255(255, 204, 186), rgb255(112, 104, 168), 0.0f, kSeed + 13);
        return mix(c, c * 0.8f, smoothstep(0.0f, 80.0f, depth));
    });
    sparkles(image, kSeed + 14, 410, kBackHeight, 0.0015f, 0.4f);

    pines.needles = rgb255(10, 14, 26);
    pines.needlesLit = rgb255(26, 30, 46);
    pines.snow = rgb255(246, 200, 190);
    pines.snowShade = rgb255(96, 92, 146);
    pines.snowAmount = 0.75f;
    pines.hazeAmount = 0.0f;
    const float trees[][2] = {{60, 330}, {140, 270}, {215, 200}, {275, 140}, {320, 95},
                              {950, 340}, {870, 280}, {790, 210}, {725, 150}, {680, 100}};
    uint32_t seed = kSeed + 20;
    for (const auto& t : trees) {
        pines.lightFromX = t[0] < 480.0f ? 0.6f : -0.6f;
        paintPine(image, pines, t[0], clearingRidge(t[0]) + 10, t[1], seed++);
    }
    return image;
}

}  // namespace paint
