// A full moon over a frozen mountain lake: starry sky, hazy snowy peaks,
// a dark spruce shore mirrored in the ice, drifted snow on the ice and a
// snowy bank with tall spruces framing the view.
#include <algorithm>
#include <cmath>

#include "landscape.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace paint {

namespace {

constexpr float kShore = 332.0f;   // where the far shore meets the ice
constexpr uint32_t kSeed = 1100;

float farRidge(float x) {
    const float peaks = ridged1(x * 0.0045f, kSeed + 1, 5, 0.48f);
    const float dip = 1.0f - 0.75f * std::exp(-std::pow((x - kSunX) / 150.0f, 2.0f));
    return 298.0f - 95.0f * peaks * dip - 12.0f * fbm1(x * 0.05f, kSeed + 2, 3);
}

float shoreRidge(float x) { return kShore - 12.0f - 10.0f * fbm1(x * 0.006f, kSeed + 3, 4); }

float bankRidge(float x) {
    const float edge = std::pow(std::fabs(x - 500.0f) / 500.0f, 3.0f);
    return 452.0f - 10.0f * fbm1(x * 0.008f, kSeed + 4, 4) - 95.0f * edge;
}

}  // namespace

Image paintFrozenLake() {
    Image image(kBackWidth, kBackHeight);
    image.fillVertical({{0.0f, rgb255(4, 7, 22)},
                        {0.30f, rgb255(10, 20, 48)},
                        {0.52f, rgb255(30, 50, 88)},
                        {0.66f, rgb255(56, 78, 112)}});
    stars(image, kSeed + 10, 1400, 330.0f, 1.0f);

    // Moonlight in the air, then thin clouds lit from within near the moon.
    glow(image, kSunX, kSunY, 190.0f, rgb255(70, 95, 150), 0.22f);
    glow(image, kSunX, kSunY, 60.0f, rgb255(150, 175, 220), 0.18f);
    for (int y = 60; y < 300; ++y) {
        for (int x = 0; x < kBackWidth; ++x) {
            const float n = fbm(x * 0.004f, y * 0.02f, kSeed + 11, 5);
            const float band = smoothstep(0.52f, 0.72f, n) * smoothstep(60.0f, 140.0f, y) * (1 - smoothstep(230.0f, 300.0f, y));
            const float lit = std::exp(-std::pow(std::hypot(x - kSunX, (y - kSunY) * 1.6f) / 260.0f, 2.0f));
            image.blend(x, y, mix(rgb255(30, 42, 70), rgb255(150, 165, 200), lit), band * 0.55f);
        }
    }

    // Far peaks: snow faces lit by the moon, rock in the shadowed gullies,
    // mist gathering at their feet.
    const Rgb haze = rgb255(60, 80, 115);
    paintLayer(image, farRidge, [&](int x, int y, float depth) {
        const float s = 2.0f + depth * 0.35f;
        const float slope = (farRidge(x + s) - farRidge(x - s)) / (2 * s);
        const float facing = clamp01(0.5f + 1.6f * slope * std::clamp((kSunX - x) / 60.0f, -1.0f, 1.0f));
        const float streak = fbm(x * 0.045f, depth * 0.01f, kSeed + 5, 4) * 0.7f + 0.3f * fbm(x * 0.01f, depth * 0.02f, kSeed + 17, 2);
        Rgb c = mix(rgb255(62, 78, 118), rgb255(168, 186, 218), facing);
        c = mix(c, rgb255(40, 48, 72), smoothstep(0.56f, 0.7f, streak) * smoothstep(2.0f, 10.0f, depth) * 0.7f);
        return mix(c, haze, 0.35f + 0.65f * smoothstep(0.0f, 70.0f, depth + 0.0f * y));
    }, 1.0f, shoreRidge);

    // The far shore: dark forest with a fringe of small spruces.
    PineStyle farPines;
    farPines.needles = rgb255(16, 24, 40);
    farPines.needlesLit = rgb255(30, 42, 62);
    farPines.snow = rgb255(120, 140, 175);
    farPines.snowShade = rgb255(70, 86, 118);
    farPines.snowAmount = 0.4f;
    farPines.haze = haze;
    farPines.hazeAmount = 0.35f;
    paintPineRow(image, farPines, shoreRidge, 0, kBackWidth, 5.0f, 10.0f, 26.0f, kSeed + 6);
    paintLayer(image, shoreRidge, [&](int, int, float depth) {
        return mix(rgb255(28, 38, 60), rgb255(78, 98, 135), smoothstep(6.0f, 16.0f, depth));
    }, 1.0f, [](float) { return kShore; });

    // The ice mirrors what stands above the shore, darker and smeared by
    // its ripples of frost; snow lies drifted across it in long tongues.
    const Image above = image;
    for (int x = 0; x < kBackWidth; ++x) {
        // Down to where the near bank will cover the ice.
        const int bankTop = std::min(kBackHeight, static_cast<int>(std::max(bankRidge(x), bankRidge(x + 1.0f))) + 2);
        for (int y = static_cast<int>(kShore); y < bankTop; ++y) {
            const float d = y + 0.5f - kShore;
            const float wobble = 3.0f * (valueNoise(x * 0.02f, y * 0.3f, kSeed + 7) - 0.5f);
            Rgb r;
            for (int k = -2; k <= 2; ++k) r = r + above.sample(x + wobble + k * 1.5f, kShore - d * 1.1f - 2);
            r = r * 0.2f;
            Rgb ice = mix(rgb255(20, 32, 58), rgb255(44, 64, 98), fbm(x * 0.003f, y * 0.05f, kSeed + 8, 4));
            Rgb c = mix(ice, r * 0.85f, 0.62f);
            const float streak = fbm(x * 0.002f, y * 0.11f, kSeed + 9, 5);
            c = c + rgb255(28, 36, 52) * smoothstep(0.55f, 0.8f, streak);
            // Moonlight path on the ice, widening towards the viewer.
            const float path = std::exp(-std::pow((x - kSunX) / (5.0f + d * 0.45f), 2.0f));
            const float shimmer = smoothstep(0.3f, 0.9f, valueNoise(x * 0.15f, y * 0.8f, kSeed + 12));
            c = c + rgb255(170, 188, 225) * (path * (0.25f + 0.75f * shimmer) * 0.8f * (1 - 0.5f * smoothstep(0.0f, 130.0f, d)));
            // Drifted snow in thin tongues across the ice.
            const float drift = fbm(x * 0.005f + y * 0.003f, y * 0.06f, kSeed + 13, 5);
            const float snow = smoothstep(0.6f, 0.66f, drift) * (0.4f + 0.6f * smoothstep(0.0f, 80.0f, d));
            c = mix(c, snowSurface(x, y, 40, rgb255(150, 168, 205), rgb255(78, 94, 132), 0.0f, kSeed + 14), snow * 0.8f);
            image.at(x, y) = c;
        }
    }

    // The near bank, lit from above, with spruces standing on it.
    paintLayer(image, bankRidge, [&](int x, int y, float depth) {
        Rgb c = snowSurface(x, y, 55, rgb255(190, 204, 232), rgb255(78, 94, 140), 0.0f, kSeed + 15);
        return mix(c * 1.05f, c * 0.8f, smoothstep(0.0f, 50.0f, depth));
    });
    sparkles(image, kSeed + 16, 400, kBackHeight, 0.0015f, 0.45f);

    PineStyle nearPines;
    nearPines.needles = rgb255(8, 16, 24);
    nearPines.needlesLit = rgb255(20, 36, 44);
    nearPines.snow = rgb255(190, 205, 235);
    nearPines.snowShade = rgb255(80, 96, 138);
    nearPines.snowAmount = 0.65f;
    nearPines.lightFromX = 0.0f;
    const float left[][2] = {{95, 225}, {150, 180}, {40, 250}, {205, 130}, {250, 90}};
    const float right[][2] = {{905, 240}, {850, 190}, {960, 260}, {790, 120}, {748, 80}};
    uint32_t seed = kSeed + 20;
    for (const auto& t : left) {
        nearPines.lightFromX = 0.6f;
        paintPine(image, nearPines, t[0], bankRidge(t[0]) + 6, t[1], seed++);
    }
    for (const auto& t : right) {
        nearPines.lightFromX = -0.6f;
        paintPine(image, nearPines, t[0], bankRidge(t[0]) + 6, t[1], seed++);
    }
    return image;
}

}  // namespace paint
