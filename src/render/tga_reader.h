// Reads uncompressed (type 2) and run-length (type 10) true-colour TGA
// files of 24 or 32 bits into R, G, B (, A) pixels in file row order.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

struct TgaImage {
    std::vector<unsigned char> pixels;  // width x height x bitsPerPixel / 8
    std::uint32_t bitsPerPixel = 0;     // 24 or 32
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    GLenum format = 0;                  // GL_RGB for 24 bits, GL_RGBA for 32
};

// Pictures wider or taller than this are refused as invalid.
constexpr std::uint32_t kMaxTgaSide = 8192;

// Fills image and returns true; on failure shows why in a box (caption
// "ERROR", or "Invalid Image" for an unsupported kind of file), leaves the
// image empty and returns false.
bool loadTgaImage(TgaImage& image, const char* path);
