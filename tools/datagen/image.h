// The canvas the painters work on: floating-point RGB pixels with an
// optional alpha plane, rows top to bottom, plus the colour arithmetic the
// painters share. Conversion to 8-bit adds a faint deterministic dither so
// that the long gradients of the skies do not band.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace paint {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

// A colour from 0-255 components, the way designers write them.
inline Rgb rgb255(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);
float lerp(float a, float b, float t);
Rgb mix(Rgb a, Rgb b, float t);
float luminance(Rgb c);

// One stop of a colour ramp: the colour at position t.
struct Stop {
    float t;
    Rgb colour;
};

// The colour of a ramp at t; stops must be sorted by t.
Rgb ramp(const std::vector<Stop>& stops, float t);

class Image {
public:
    Image(int width, int height, bool withAlpha = false);

    int width() const { return width_; }
    int height() const { return height_; }
    bool hasAlpha() const { return !alpha_.empty(); }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgb& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    float& alphaAt(int x, int y) { return alpha_[static_cast<size_t>(y) * width_ + x]; }
    float alphaAt(int x, int y) const { return alpha_[static_cast<size_t>(y) * width_ + x]; }

    // Bilinear sample with coordinates clamped to the picture.
    Rgb sample(float x, float y) const;

    // Covers the pixel with colour c at opacity a (ignored outside).
    void blend(int x, int y, Rgb c, float a);
    // Adds light, for glows and glints (ignored outside).
    void addLight(int x, int y, Rgb c, float amount);

    // Every row gets the colour of the ramp at (row + 0.5) / height.
    void fillVertical(const std::vector<Stop>& stops);

    // Averages blocks of factor x factor pixels (alpha too).
    Image downsample(int factor) const;

    // 8-bit samples, rows top to bottom: RGB, or RGBA when withAlpha.
    std::vector<uint8_t> toBytes(bool withAlpha, uint32_t ditherSeed) const;

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
    std::vector<float> alpha_;
};

}  // namespace paint
