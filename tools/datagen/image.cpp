#include "image.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace paint {

float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float lerp(float a, float b, float t) { return a + (b - a) * t; }

Rgb mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }

float luminance(Rgb c) { return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b; }

Rgb ramp(const std::vector<Stop>& stops, float t) {
    if (stops.empty()) return {};
    if (t <= stops.front().t) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].t) {
            const float span = stops[i].t - stops[i - 1].t;
            const float u = span > 0 ? (t - stops[i - 1].t) / span : 1.0f;
            return mix(stops[i - 1].colour, stops[i].colour, smoothstep(0, 1, u));
        }
    }
    return stops.back().colour;
}

Image::Image(int width, int height, bool withAlpha)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {
    if (withAlpha) alpha_.assign(static_cast<size_t>(width) * height, 0.0f);
}

Rgb Image::sample(float x, float y) const {
    x = std::clamp(x, 0.0f, static_cast<float>(width_ - 1));
    y = std::clamp(y, 0.0f, static_cast<float>(height_ - 1));
    const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    const int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
    const float tx = x - x0, ty = y - y0;
    const Rgb top = mix(at(x0, y0), at(x1, y0), tx);
    const Rgb bottom = mix(at(x0, y1), at(x1, y1), tx);
    return mix(top, bottom, ty);
}

void Image::blend(int x, int y, Rgb c, float a) {
    if (!contains(x, y) || a <= 0) return;
    a = std::min(a, 1.0f);
    Rgb& p = at(x, y);
    p = mix(p, c, a);
    if (hasAlpha()) {
        float& alpha = alphaAt(x, y);
        alpha = alpha + (1 - alpha) * a;
    }
}

void Image::addLight(int x, int y, Rgb c, float amount) {
    if (!contains(x, y) || amount <= 0) return;
    Rgb& p = at(x, y);
    p = p + c * amount;
}

void Image::fillVertical(const std::vector<Stop>& stops) {
    for (int y = 0; y < height_; ++y) {
        const Rgb c = ramp(stops, (y + 0.5f) / height_);
        for (int x = 0; x < width_; ++x) at(x, y) = c;
    }
}

Image Image::downsample(int factor) const {
    Image out(width_ / factor, height_ / factor, hasAlpha());
    const float norm = 1.0f / (factor * factor);
    for (int y = 0; y < out.height_; ++y) {
        for (int x = 0; x < out.width_; ++x) {
            Rgb sum;
            float alphaSum = 0;
            for (int j = 0; j < factor; ++j) {
                for (int i = 0; i < factor; ++i) {
                    sum = sum + at(x * factor + i, y * factor + j);
                    if (hasAlpha()) alphaSum += alphaAt(x * factor + i, y * factor + j);
                }
            }
            out.at(x, y) = sum * norm;
            if (hasAlpha()) out.alphaAt(x, y) = alphaSum * norm;
        }
    }
    return out;
}

static uint8_t quantise(float v, float dither) {
    const float scaled = clamp01(v) * 255.0f + dither;
    return static_cast<uint8_t>(std::clamp(std::floor(scaled + 0.5f), 0.0f, 255.0f));
}

std::vector<uint8_t> Image::toBytes(bool withAlpha, uint32_t ditherSeed) const {
    const int channels = withAlpha ? 4 : 3;
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * channels);
    size_t k = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float d = ditherSeed ? hashUnit(x, y, ditherSeed) - 0.5f : 0.0f;
            const Rgb& p = at(x, y);
            out[k++] = quantise(p.r, d);
            out[k++] = quantise(p.g, d);
            out[k++] = quantise(p.b, d);
            if (withAlpha) out[k++] = quantise(hasAlpha() ? alphaAt(x, y) : 1.0f, 0.0f);
        }
    }
    return out;
}

}  // namespace paint
