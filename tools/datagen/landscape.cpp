#include "landscape.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"

namespace paint {

void paintLayer(Image& image, const RidgeFn& ridge, const LandShader& shade, float opacity, const RidgeFn& until) {
    const int w = image.width(), h = image.height();
    constexpr int kSub = 4;
    std::vector<float> samples(static_cast<size_t>(w) * kSub);
    for (int i = 0; i < w * kSub; ++i) samples[i] = ridge((i + 0.5f) / kSub);
    for (int x = 0; x < w; ++x) {
        float top = samples[x * kSub];
        for (int s = 1; s < kSub; ++s) top = std::min(top, samples[x * kSub + s]);
        const float centre = ridge(x + 0.5f);
        int bottom = h;
        if (until) {
            float cover = until(x * 1.0f);
            for (int s = 1; s <= kSub; ++s) cover = std::max(cover, until(x + static_cast<float>(s) / kSub));
            bottom = std::clamp(static_cast<int>(std::ceil(cover)) + 2, 0, h);
        }
        for (int y = std::max(0, static_cast<int>(std::floor(top))); y < bottom; ++y) {
            float coverage = 0;
            for (int s = 0; s < kSub; ++s) coverage += clamp01(y + 1.0f - samples[x * kSub + s]);
            coverage /= kSub;
            if (coverage <= 0) continue;
            image.blend(x, y, shade(x, y, y + 0.5f - centre), coverage * opacity);
        }
    }
}

namespace {

struct PineShape {
    float x, top, baseY, height, halfWidth;
    int tiers;
    uint32_t seed;
};

// Colour and coverage of one sample point of a pine; false when outside.
bool pineSample(const PineShape& p, const PineStyle& style, float sx, float sy, Rgb& out) {
    const float crown = p.height * 0.96f;  // the part with branches; trunk below
    const float dx = sx - p.x;
    bool hit = false;
    // Tiers from the top down: a lower tier is drawn over the bottom of the
    // one above it, so each skirt of branches shows its snowy top.
    // Only the two or three tiers that reach this row can hold the sample.
    const float q = (sy - p.top) / crown * p.tiers;
    const int first = std::max(0, static_cast<int>(std::floor(q)) - 1);
    const int last = std::min(p.tiers - 1, static_cast<int>(std::floor(q + 0.6f)));
    for (int i = first; i <= last; ++i) {
        const float f0 = static_cast<float>(i) / p.tiers;
        const float f1 = static_cast<float>(i + 1) / p.tiers;
        const float start = p.top + crown * (i == 0 ? 0.0f : f0 - 0.6f / p.tiers);
        const float end = p.top + crown * f1;
        if (sy < start) continue;
        // Each tier is a little lopsided, as real branches are.
        const float lopsided = 0.82f + 0.36f * hashUnit(i, dx < 0 ? 1 : 2, p.seed);
        const float widthAtEnd = p.halfWidth * (0.12f + 0.88f * std::pow(f1, 0.8f)) * lopsided;
        const float u = std::fabs(dx) / widthAtEnd;  // 0 at the trunk, 1 at the tips
        // Branch tips droop and are ragged.
        const float ragged = valueNoise1(dx * 1.1f + i * 13.0f, p.seed + 7u);
        const float bottom = end - (end - start) * (0.22f * (1 - u) * (1 - u) + 0.22f * ragged);
        if (sy > bottom) continue;
        const float t = (sy - start) / std::max(1.0f, end - start);
        const float edgeNoise = 0.8f + 0.32f * valueNoise(sy * 0.8f, i * 3.0f + (dx < 0 ? 0.0f : 50.0f), p.seed + 11u);
        const float halfWidth = widthAtEnd * std::pow(clamp01(t), 0.85f) * edgeNoise;
        if (std::fabs(dx) > halfWidth) continue;
        hit = true;
        const float side = halfWidth > 0 ? dx / halfWidth : 0.0f;  // -1 .. 1 across the tier
        const float lit = clamp01(0.5f + 0.5f * side * style.lightFromX);
        Rgb c = mix(style.needles, style.needlesLit, lit * lit);
        // Needle texture: fine streaks along the drooping branches.
        const float grain = valueNoise(sx * 1.4f + sy * 0.5f * side, sy * 1.2f, p.seed + 23u);
        c = c * (0.75f + 0.45f * grain);
        // Snow lies in clumps on top of each tier, more on the lit side.
        const float clump = valueNoise(side * 3.2f + i * 5.0f, t * 2.0f, p.seed + 31u);
        const float cap = style.snowAmount * (0.12f + 0.5f * clump * clump + 0.18f * lit);
        const float snowEdge = t - cap;
        if (snowEdge < 0.04f) {
            const float k = clamp01((0.04f - snowEdge) / 0.07f);
            const Rgb s = mix(style.snowShade, style.snow, clamp01(lit * 1.1f + 0.25f * (1 - t) - 0.05f));
            c = mix(c, s * (0.92f + 0.12f * grain), k);
        } else if (snowEdge < 0.14f) {
            c = c * 0.7f;  // the shadow the snow casts just below it
        }
        // Flecks of snow caught on the lower branches.
        if (style.snowAmount > 0.2f &&
            valueNoise(sx * 0.6f, sy * 1.0f, p.seed + 41u) > 0.86f - 0.12f * style.snowAmount)
            c = mix(c, mix(style.snowShade, style.snow, lit), 0.6f);
        out = c;
    }
    if (!hit) {
        const float trunkHalf = std::max(0.6f, p.halfWidth * 0.07f);
        if (sy >= p.top + crown * 0.8f && sy <= p.baseY && std::fabs(dx) <= trunkHalf) {
            out = style.trunk;
            return true;
        }
    }
    return hit;
}

}  // namespace

void paintPine(Image& image, const PineStyle& style, float x, float baseY, float height, uint32_t seed) {
    Sequence seq(seed);
    PineShape p;
    p.x = x;
    p.baseY = baseY;
    p.height = height;
    p.top = baseY - height;
    p.halfWidth = height * seq.range(0.2f, 0.27f);
    p.tiers = std::clamp(static_cast<int>(height / 7.0f), 4, 16);
    p.seed = seed;

    const int sub = height > 60 ? 2 : 3;
    const int x0 = static_cast<int>(std::floor(x - p.halfWidth * 1.3f - 1));
    const int x1 = static_cast<int>(std::ceil(x + p.halfWidth * 1.3f + 1));
    const int y0 = static_cast<int>(std::floor(p.top - 1));
    const int y1 = static_cast<int>(std::ceil(baseY + 1));
    for (int py = std::max(0, y0); py <= std::min(image.height() - 1, y1); ++py) {
        for (int px = std::max(0, x0); px <= std::min(image.width() - 1, x1); ++px) {
            Rgb sum;
            int hits = 0;
            for (int j = 0; j < sub; ++j) {
                for (int i = 0; i < sub; ++i) {
                    Rgb c;
                    if (pineSample(p, style, px + (i + 0.5f) / sub, py + (j + 0.5f) / sub, c)) {
                        sum = sum + c;
                        ++hits;
                    }
                }
            }
            if (!hits) continue;
            Rgb c = sum * (1.0f / hits);
            c = mix(c, style.haze, style.hazeAmount);
            image.blend(px, py, c, style.opacity * hits / static_cast<float>(sub * sub));
        }
    }
}

void paintPineRow(Image& image, const PineStyle& style, const RidgeFn& ground, float x0, float x1,
                  float spacing, float minHeight, float maxHeight, uint32_t seed, float clearings, float band) {
    struct Tree {
        float x, baseY, height;
        uint32_t seed;
    };
    std::vector<Tree> trees;
    Sequence seq(seed);
    for (float x = x0; x < x1; x += spacing * seq.range(0.4f, 1.6f)) {
        const float grove = fbm1(x * 0.012f, seed + 3u, 3);
        const float depth = seq.unit();  // 0 at the back of the band, 1 at its front
        const uint32_t treeSeed = seq.next();
        const float size = seq.range(0.75f, 1.15f);
        if (grove < clearings) continue;  // open ground between the groves
        const float height = lerp(minHeight, maxHeight, clamp01((grove - clearings) / (0.8f - clearings))) * size *
                             (1.0f + 0.35f * depth * (band > 0 ? 1.0f : 0.0f));
        trees.push_back({x, ground(x) + height * 0.04f + depth * band, height, treeSeed});
    }
    // Far trees first, so nearer ones stand in front of them.
    std::stable_sort(trees.begin(), trees.end(), [](const Tree& a, const Tree& b) { return a.baseY < b.baseY; });
    for (const Tree& t : trees) paintPine(image, style, t.x, t.baseY, t.height, t.seed);
}

Rgb snowSurface(float x, float y, float scale, Rgb lit, Rgb shadow, float lightFromX, uint32_t seed) {
    // Drifts are long across the view and short in depth, as ground seen
    // at a low angle is.
    const float u = x / scale, v = y / (scale * 0.4f);
    const float e = 0.05f;
    const float h = fbm(u, v, seed, 3, 0.45f);
    const float hu = (fbm(u + e, v, seed, 3, 0.45f) - h) / e;
    const float hv = (fbm(u, v + e, seed, 3, 0.45f) - h) / e;
    // Faces turned up towards the sky are bright, the lee of a drift is in
    // shadow; a little grain keeps large areas from looking like plastic.
    const float facing = -0.28f * hv + 0.18f * hu * lightFromX;
    const float grain = 0.04f * (valueNoise(x * 0.7f, y * 1.4f, seed + 5u) - 0.5f);
    return mix(shadow, lit, clamp01(0.68f + facing + grain));
}

}  // namespace paint
