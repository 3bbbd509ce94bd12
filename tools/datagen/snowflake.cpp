// The shared snowflake: six soft arms with side branches around a small
// hexagonal heart, blurred so that it stays soft when drawn only a few
// pixels wide, over a faint round glow.
#include <cmath>

#include "pictures.h"
#include "shapes.h"

namespace paint {

namespace {

// Separable box blur, three passes approximating a gaussian.
void blurAlpha(Image& image, int radius) {
    const int w = image.width(), h = image.height();
    std::vector<float> tmp(static_cast<size_t>(w) * h);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = x + k;
                    if (xx >= 0 && xx < w) sum += image.alphaAt(xx, y);
                }
                tmp[static_cast<size_t>(y) * w + x] = sum / (2 * radius + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = y + k;
                    if (yy >= 0 && yy < h) sum += tmp[static_cast<size_t>(yy) * w + x];
                }
                image.alphaAt(x, y) = sum / (2 * radius + 1);
            }
    }
}

}  // namespace

Image paintSnowflake(int size) {
    constexpr int kSub = 4;
    const int big = size * kSub;
    Image image(big, big, true);
    const float c = big * 0.5f, arm = big * 0.36f;
    std::vector<Segment> segments;
    for (int k = 0; k < 6; ++k) {
        const float a = k * 3.14159265f / 3.0f + 3.14159265f / 6.0f;
        const float ux = std::cos(a), uy = std::sin(a);
        segments.push_back({c, c, c + ux * arm, c + uy * arm});
        for (float at : {0.42f, 0.68f}) {
            const float bx = c + ux * arm * at, by = c + uy * arm * at;
            const float len = arm * (at < 0.5f ? 0.34f : 0.24f);
            for (float side : {-1.0f, 1.0f}) {
                const float b = a + side * 3.14159265f / 3.0f;
                segments.push_back({bx, by, bx + std::cos(b) * len, by + std::sin(b) * len});
            }
        }
    }
    strokes(image, segments, big * 0.028f, rgb255(255, 255, 255), 1.0f);
    disc(image, c, c, big * 0.07f, rgb255(255, 255, 255), 1.0f, 2.0f);
    Image out = image.downsample(kSub);
    blurAlpha(out, 1);
    // A faint glow around the crystal; zero near the border, as the texture
    // repeats under linear filtering.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float dx = (x + 0.5f) / size - 0.5f, dy = (y + 0.5f) / size - 0.5f;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float halo = 0.3f * std::exp(-std::pow(r / 0.2f, 2.0f)) * (1 - smoothstep(0.38f, 0.47f, r));
            float& a = out.alphaAt(x, y);
            a = std::min(1.0f, a + halo * (1 - a));
            if (r > 0.47f) a = 0;
            // White, with a cool tint towards the tips.
            out.at(x, y) = mix(rgb255(255, 255, 255), rgb255(214, 230, 255), smoothstep(0.1f, 0.4f, r));
        }
    }
    return out;
}

}  // namespace paint
