// Writes a few small, valid pictures of each kind the readers accept (and a
// few they refuse) as a starting corpus for the fuzz targets.
#include <cstdio>
#include <string>
#include <vector>

#include "render/picture_files.h"

namespace {

void save(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

pictures::Rgb gradient(int x, int y) {
    return {static_cast<unsigned char>(x * 16), static_cast<unsigned char>(y * 16), 128};
}

std::string rgbPixels(int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            pictures::Rgb c = gradient(x, y);
            out += pictures::bytes({c.b, c.g, c.r});
        }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s JPEG_DIR TGA_DIR\n", argv[0]);
        return 2;
    }
    const std::string jpeg = argv[1], tga = argv[2];
    std::vector<unsigned char> rgb;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            pictures::Rgb c = gradient(x, y);
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
    save(jpeg + "/baseline.jpg", pictures::encodeJpeg(16, 16, 3, JCS_RGB, JCS_YCbCr, rgb, 75));
    save(jpeg + "/progressive.jpg",
         pictures::encodeJpeg(16, 16, 3, JCS_RGB, JCS_YCbCr, rgb, 75, true));
    save(jpeg + "/rgb.jpg", pictures::encodeJpeg(16, 16, 3, JCS_RGB, JCS_RGB, rgb, 90));
    save(jpeg + "/grey.jpg", pictures::greyJpeg(8, 8, 90));
    std::vector<unsigned char> cmyk(8 * 8 * 4, 60);
    save(jpeg + "/cmyk.jpg", pictures::encodeJpeg(8, 8, 4, JCS_CMYK, JCS_CMYK, cmyk, 75));

    save(tga + "/plain24.tga", pictures::tgaHeader(2, 4, 3, 24) + rgbPixels(4, 3));
    std::string plain32 = pictures::tgaHeader(2, 2, 2, 32);
    for (int i = 0; i < 4; ++i) plain32 += pictures::bytes({i * 60, 20, 200, i * 80});
    save(tga + "/plain32.tga", plain32);
    save(tga + "/rle24.tga", pictures::tgaHeader(10, 5, 2, 24) + pictures::bytes({0x84, 1, 2, 3}) +
                                 pictures::bytes({0x04}) + rgbPixels(5, 1));
    save(tga + "/rle32.tga", pictures::tgaHeader(10, 4, 4, 32) +
                                 pictures::bytes({0x8F, 9, 8, 7, 128}));
    return 0;
}
