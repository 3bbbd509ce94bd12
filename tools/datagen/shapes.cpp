#include "shapes.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace paint {

float segmentDistance(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float lengthSq = dx * dx + dy * dy;
    float t = lengthSq > 0 ? ((px - ax) * dx + (py - ay) * dy) / lengthSq : 0.0f;
    t = clamp01(t);
    const float qx = ax + t * dx - px, qy = ay + t * dy - py;
    return std::sqrt(qx * qx + qy * qy);
}

void glow(Image& image, float cx, float cy, float radius, Rgb colour, float strength) {
    const float reach = radius * 3.2f;
    const int x0 = std::max(0, static_cast<int>(cx - reach)), x1 = std::min(image.width() - 1, static_cast<int>(cx + reach));
    const int y0 = std::max(0, static_cast<int>(cy - reach)), y1 = std::min(image.height() - 1, static_cast<int>(cy + reach));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float dx = (x + 0.5f - cx) / radius, dy = (y + 0.5f - cy) / radius;
            image.addLight(x, y, colour, strength * std::exp(-(dx * dx + dy * dy)));
        }
    }
}

void disc(Image& image, float cx, float cy, float radius, Rgb colour, float opacity, float feather) {
    const float reach = radius + feather + 1;
    const int x0 = std::max(0, static_cast<int>(cx - reach)), x1 = std::min(image.width() - 1, static_cast<int>(cx + reach));
    const int y0 = std::max(0, static_cast<int>(cy - reach)), y1 = std::min(image.height() - 1, static_cast<int>(cy + reach));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            const float coverage = clamp01((radius - d) / feather + 0.5f);
            image.blend(x, y, colour, coverage * opacity);
        }
    }
}

void stars(Image& image, uint32_t seed, int count, float maxY, float brightness) {
    Sequence seq(seed);
    for (int i = 0; i < count; ++i) {
        const float x = seq.range(0, static_cast<float>(image.width()));
        // More stars high up: squaring pushes them away from the horizon.
        const float u = seq.unit();
        const float y = u * u * maxY;
        const float fade = 1.0f - smoothstep(0.55f * maxY, maxY, y);
        const float magnitude = std::pow(seq.unit(), 6.0f);  // most are faint
        const float warmth = seq.unit();
        const Rgb colour = mix(rgb255(190, 210, 255), rgb255(255, 238, 215), warmth);
        const float level = brightness * fade * (0.18f + 0.9f * magnitude);
        const float radius = 0.45f + 0.7f * magnitude;
        const int cx = static_cast<int>(x), cy = static_cast<int>(y);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const float ddx = cx + dx + 0.5f - x, ddy = cy + dy + 0.5f - y;
                const float k = std::exp(-(ddx * ddx + ddy * ddy) / (radius * radius));
                image.addLight(cx + dx, cy + dy, colour, level * k);
            }
        }
        if (magnitude > 0.35f) glow(image, x, y, 3.5f, colour, 0.05f * brightness * fade);
    }
}

void strokes(Image& image, const std::vector<Segment>& segments, float halfWidth, Rgb colour, float opacity) {
    if (segments.empty()) return;
    float minX = segments[0].ax, maxX = minX, minY = segments[0].ay, maxY = minY;
    for (const Segment& s : segments) {
        minX = std::min({minX, s.ax, s.bx});
        maxX = std::max({maxX, s.ax, s.bx});
        minY = std::min({minY, s.ay, s.by});
        maxY = std::max({maxY, s.ay, s.by});
    }
    const float reach = halfWidth + 2;
    const int x0 = std::max(0, static_cast<int>(minX - reach)), x1 = std::min(image.width() - 1, static_cast<int>(maxX + reach));
    const int y0 = std::max(0, static_cast<int>(minY - reach)), y1 = std::min(image.height() - 1, static_cast<int>(maxY + reach));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float d = 1e9f;
            for (const Segment& s : segments) d = std::min(d, segmentDistance(x + 0.5f, y + 0.5f, s.ax, s.ay, s.bx, s.by));
            image.blend(x, y, colour, clamp01(halfWidth - d + 0.5f) * opacity);
        }
    }
}

void sparkles(Image& image, uint32_t seed, int y0, int y1, float fraction, float strength) {
    for (int y = std::max(0, y0); y < std::min(y1, image.height()); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const float h = hashUnit(x, y, seed);
            if (h < fraction) {
                const float k = strength * (0.4f + 0.6f * h / fraction);
                const Rgb tint = mix(rgb255(210, 230, 255), rgb255(255, 250, 235), hashUnit(y, x, seed + 1));
                image.addLight(x, y, tint, k);
                image.addLight(x - 1, y, tint, k * 0.25f);
                image.addLight(x + 1, y, tint, k * 0.25f);
                image.addLight(x, y - 1, tint, k * 0.2f);
                image.addLight(x, y + 1, tint, k * 0.2f);
            }
        }
    }
}

}  // namespace paint
