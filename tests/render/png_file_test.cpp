// PNG pictures of frames decode, with zlib and the format's own rules, to
// the frame's colours with the top row first.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/png_file.h"

namespace {

uint32_t bigEndian(const std::string& s, std::size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

struct Decoded {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // top row first
    std::vector<std::string> chunks;
};

int paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

// A decoder for what a viewer must accept of an 8-bit RGB picture; every
// check a viewer makes fails the test.
Decoded decode(const std::string& png) {
    Decoded d;
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    std::string idat;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = bigEndian(png, at);
        const std::string type = png.substr(at + 4, 4);
        const std::string data = png.substr(at + 8, length);
        const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(png.data() + at + 4), 4 + length);
        EXPECT_EQ(bigEndian(png, at + 8 + length), static_cast<uint32_t>(crc)) << type;
        d.chunks.push_back(type);
        if (type == "IHDR") {
            d.width = static_cast<int>(bigEndian(data, 0));
            d.height = static_cast<int>(bigEndian(data, 4));
            EXPECT_EQ(data.substr(8), std::string("\x08\x02\x00\x00\x00", 5));
        } else if (type == "IDAT") {
            idat += data;
        }
        at += 12 + length;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(d.width) * 3;
    std::vector<unsigned char> raw((rowBytes + 1) * d.height);
    uLongf rawSize = raw.size();
    EXPECT_EQ(uncompress(raw.data(), &rawSize, reinterpret_cast<const Bytef*>(idat.data()), idat.size()), Z_OK);
    EXPECT_EQ(rawSize, raw.size());
    d.rgb.assign(rowBytes * d.height, 0);
    for (int y = 0; y < d.height; ++y) {
        const unsigned char filter = raw[y * (rowBytes + 1)];
        EXPECT_LE(filter, 4) << "row " << y;
        const unsigned char* in = &raw[y * (rowBytes + 1) + 1];
        unsigned char* out = &d.rgb[y * rowBytes];
        const unsigned char* above = y > 0 ? &d.rgb[(y - 1) * rowBytes] : nullptr;
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= 3 ? out[i - 3] : 0;
            const int b = above ? above[i] : 0;
            const int c = above && i >= 3 ? above[i - 3] : 0;
            const int predictor = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? paeth(a, b, c) : 0;
            out[i] = static_cast<unsigned char>(in[i] + predictor);
        }
    }
    return d;
}

}  // namespace

TEST(PngFile, DecodesToTheFrameWithTheTopRowFirst) {
    struct Case {
        const char* name;
        int width, height;
        unsigned char (*paint)(int x, int y, int channel);
    };
    const Case cases[] = {
        {"one pixel", 1, 1, [](int, int, int k) { return static_cast<unsigned char>(60 * k + 7); }},
        {"gradient", 7, 3, [](int x, int y, int k) { return static_cast<unsigned char>(x * 30 + y * 70 + k); }},
        // Noise makes rows where every filter type wins somewhere.
        {"noise", 33, 17, [](int x, int y, int k) {
             return static_cast<unsigned char>((x * 2654435761u ^ y * 40503u ^ k * 977u) >> 5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> rgba(static_cast<std::size_t>(c.width) * c.height * 4);
        // Given bottom row first, as the GL reads a frame back.
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                for (int k = 0; k < 4; ++k)
                    rgba[(static_cast<std::size_t>(y) * c.width + x) * 4 + k] = k < 3 ? c.paint(x, y, k) : 99;
        const Decoded d = decode(encodePng(c.width, c.height, rgba));
        EXPECT_EQ(d.chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
        ASSERT_EQ(d.width, c.width);
        ASSERT_EQ(d.height, c.height);
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                for (int k = 0; k < 3; ++k)
                    if (d.rgb[(static_cast<std::size_t>(c.height - 1 - y) * c.width + x) * 3 + k] != c.paint(x, y, k))
                        ++wrong;
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PngFile, RefusesPixelsThatDoNotMatchTheSize) {
    EXPECT_EQ(encodePng(2, 2, std::vector<unsigned char>(15)), "");
    EXPECT_EQ(encodePng(0, 1, {}), "");
    EXPECT_EQ(encodePng(1, -1, std::vector<unsigned char>(4)), "");
}
