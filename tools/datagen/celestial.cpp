// The sprites that hang in the sky: the moon, the dawn sun and the pale sun.
// Each is a disc with a soft halo in its alpha. The halo reaches zero well
// inside the border, and transparent pixels keep the halo's colour, so
// linear filtering never drags a dark fringe or a neighbouring edge in.
#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace paint {

namespace {

struct Body {
    float discRadius;   // fraction of the sprite's size
    float haloReach;    // fraction of the size where the halo has faded out
    float haloStrength; // halo alpha just outside the disc
    Rgb halo;
};

// Paints halo and rim; the caller's surface function colours the disc.
template <typename Surface>
Image paintBody(int size, const Body& body, Surface surface) {
    constexpr int kSub = 4;  // painted larger, then averaged down: a clean rim
    const int big = size * kSub;
    Image image(big, big, true);
    const float c = big * 0.5f;
    for (int y = 0; y < big; ++y) {
        for (int x = 0; x < big; ++x) {
            const float dx = (x + 0.5f - c) / big, dy = (y + 0.5f - c) / big;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float outside = std::max(0.0f, r - body.discRadius);
            const float span = body.haloReach - body.discRadius;
            float halo = body.haloStrength * std::exp(-6.0f * outside / span) * (1 - smoothstep(0.7f * span, span, outside));
            if (r >= body.haloReach) halo = 0;
            if (r <= body.discRadius) {
                image.at(x, y) = surface(dx / body.discRadius, dy / body.discRadius);
                image.alphaAt(x, y) = 1.0f;
            } else {
                image.at(x, y) = body.halo;
                image.alphaAt(x, y) = halo;
            }
        }
    }
    Image out = image.downsample(kSub);
    // Transparent pixels keep the halo colour; quantise faint alpha to zero
    // so the clear surround is exactly uniform.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (out.alphaAt(x, y) < 0.5f / 255.0f) {
                out.alphaAt(x, y) = 0;
                out.at(x, y) = body.halo;
            }
    return out;
}

}  // namespace

Image paintMoon(int size) {
    const Body body{0.2f, 0.48f, 0.5f, rgb255(196, 212, 250)};
    return paintBody(size, body, [](float u, float v) {
        const float r2 = u * u + v * v;
        const float limb = std::sqrt(std::max(0.0f, 1.0f - r2));
        // Maria: broad darker seas, and fine mottling.
        const float seas = smoothstep(0.5f, 0.7f, fbm(u * 1.6f + 3.0f, v * 1.6f + 1.0f, 5100, 4));
        const float mottle = fbm(u * 6.0f, v * 6.0f, 5101, 3);
        Rgb c = mix(rgb255(246, 246, 240), rgb255(170, 178, 196), seas * 0.75f);
        c = c * (0.9f + 0.12f * mottle);
        return c * (0.78f + 0.22f * limb);
    });
}

Image paintDawnSun(int size) {
    const Body body{0.16f, 0.49f, 0.75f, rgb255(255, 200, 130)};
    return paintBody(size, body, [](float u, float v) {
        const float r = std::sqrt(u * u + v * v);
        return mix(rgb255(255, 252, 236), rgb255(255, 214, 150), smoothstep(0.3f, 1.0f, r));
    });
}

Image paintPaleSun(int size) {
    const Body body{0.14f, 0.49f, 0.6f, rgb255(255, 248, 228)};
    return paintBody(size, body, [](float u, float v) {
        const float r = std::sqrt(u * u + v * v);
        return mix(rgb255(255, 255, 250), rgb255(252, 240, 210), smoothstep(0.5f, 1.0f, r));
    });
}

}  // namespace paint
