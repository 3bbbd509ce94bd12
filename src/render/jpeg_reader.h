// Reads a JPEG picture into RGB rows, bottom row first, so that texture
// coordinate t = 0 is the picture's bottom edge.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct JpegImage {
    std::int32_t rowBytes = 0;  // 3 x width: every picture comes out as RGB
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<unsigned char> pixels;  // rowBytes x height, bottom row first
};

// Pictures wider or taller than this are refused before anything is decoded.
constexpr int kMaxJpegSide = 8192;

// Decodes the file. Colour and greyscale pictures come out as RGB. A file
// that cannot be opened or decoded, a CMYK or YCCK picture, or one larger
// than kMaxJpegSide gives the box "Unable to load JPG File!" with the path as
// caption, and none.
std::unique_ptr<JpegImage> loadJpegImage(const char* path);
