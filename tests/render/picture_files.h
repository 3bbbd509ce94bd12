// Small pictures made in memory for the reader and texture tests: JPEGs
// encoded with libjpeg, TGA files assembled byte by byte.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace pictures {

struct Rgb {
    unsigned char r, g, b;
};

// components 1 (greyscale), 3 (RGB) or 4 (CMYK); `stored` is the colour
// space written to the file (JCS_YCbCr, JCS_RGB, JCS_GRAYSCALE, JCS_CMYK or
// JCS_YCCK). Pixels are in encoder order: top row first.
inline std::string encodeJpeg(int width, int height, int components, J_COLOR_SPACE input,
                              J_COLOR_SPACE stored, const std::vector<unsigned char>& pixels,
                              int quality = 100, bool progressive = false) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = input;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, stored);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels.data()) +
                       static_cast<std::size_t>(cinfo.next_scanline) * width * components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

// A colour JPEG whose pixel (x, y), y counted from the top, is paint(x, y).
template <typename Paint>
std::string colourJpeg(int width, int height, Paint paint, J_COLOR_SPACE stored = JCS_YCbCr) {
    std::vector<unsigned char> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb c = paint(x, y);
            pixels.insert(pixels.end(), {c.r, c.g, c.b});
        }
    return encodeJpeg(width, height, 3, JCS_RGB, stored, pixels);
}

inline std::string solidJpeg(int width, int height, Rgb c, J_COLOR_SPACE stored = JCS_YCbCr) {
    return colourJpeg(width, height, [c](int, int) { return c; }, stored);
}

inline std::string greyJpeg(int width, int height, unsigned char level) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height, level);
    return encodeJpeg(width, height, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, pixels);
}

// Rewrites the size in the frame header, leaving the rest of the file as
// it is: a small file that declares a large picture.
inline std::string withDeclaredSize(std::string jpeg, unsigned width, unsigned height) {
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
        auto m = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && m >= 0xC0 && m <= 0xC2) {
            jpeg[i + 5] = static_cast<char>(height >> 8);
            jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>(width >> 8);
            jpeg[i + 8] = static_cast<char>(width & 0xFF);
            return jpeg;
        }
    }
    return {};
}

// The 18-byte TGA header: image type, size, depth and descriptor; idLength
// and colourMapType make the kinds of file the reader refuses.
inline std::string tgaHeader(int imageType, unsigned width, unsigned height, int depth,
                             int descriptor = 0, int idLength = 0, int colourMapType = 0) {
    std::string h(18, '\0');
    h[0] = static_cast<char>(idLength);
    h[1] = static_cast<char>(colourMapType);
    h[2] = static_cast<char>(imageType);
    h[12] = static_cast<char>(width & 0xFF);
    h[13] = static_cast<char>(width >> 8);
    h[14] = static_cast<char>(height & 0xFF);
    h[15] = static_cast<char>(height >> 8);
    h[16] = static_cast<char>(depth);
    h[17] = static_cast<char>(descriptor);
    return h;
}

inline std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

}  // namespace pictures
