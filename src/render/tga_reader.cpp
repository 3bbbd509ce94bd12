#include "render/tga_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "platform/files.h"
#include "platform/message_box.h"

namespace {

// The first 12 bytes of the two accepted kinds, compared as one block: no
// ID field, no colour map, origin 0.
const unsigned char kUncompressedHeader[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const unsigned char kRunLengthHeader[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// The pixel buffer grows with the data actually read, at least this much at
// a time, so a tiny file that declares a huge picture costs no huge buffer.
constexpr std::size_t kGrowStep = 1 << 16;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool fail(const char* text, const char* caption = "ERROR") {
    MessageBoxA(nullptr, text, caption, MB_OK);
    return false;
}

// Makes room for at least `needed` bytes, never more than `limit`.
bool growTo(std::vector<unsigned char>& pixels, std::size_t needed, std::size_t limit) {
    if (pixels.size() >= needed) return true;
    std::size_t size = std::min(limit, std::max({needed, pixels.size() * 2, kGrowStep}));
    try {
        pixels.resize(size);
    } catch (const std::bad_alloc&) {
        return fail("Could not allocate memory for image");
    }
    return true;
}

// Reads the 6 bytes after the fixed header and sets the picture's size,
// depth and format.
bool readInfoHeader(std::FILE* file, TgaImage& image) {
    unsigned char info[6];
    if (std::fread(info, 1, sizeof info, file) != sizeof info)
        return fail("Could not read info header");
    image.width = info[0] + 256u * info[1];
    image.height = info[2] + 256u * info[3];
    image.bitsPerPixel = info[4];
    if (image.width == 0 || image.height == 0 || image.width > kMaxTgaSide ||
        image.height > kMaxTgaSide || (image.bitsPerPixel != 24 && image.bitsPerPixel != 32))
        return fail("Invalid texture information");
    image.format = image.bitsPerPixel == 24 ? GL_RGB : GL_RGBA;
    return true;
}

bool readUncompressed(std::FILE* file, TgaImage& image, std::size_t bytesPerPixel,
                      std::size_t imageSize) {
    std::size_t done = 0;
    while (done < imageSize) {
        std::size_t slice = std::min(imageSize - done, std::max(done, kGrowStep));
        if (!growTo(image.pixels, done + slice, imageSize)) return false;
        if (std::fread(image.pixels.data() + done, 1, slice, file) != slice)
            return fail("Could not read image data");
        done += slice;
    }
    for (std::size_t i = 0; i < imageSize; i += bytesPerPixel)
        std::swap(image.pixels[i], image.pixels[i + 2]);  // B, G, R -> R, G, B
    return true;
}

bool readRunLength(std::FILE* file, TgaImage& image, std::size_t bytesPerPixel,
                   std::size_t imageSize) {
    const std::size_t pixelCount = imageSize / bytesPerPixel;
    std::size_t current = 0;
    unsigned char pixel[4];
    auto store = [&]() {
        if (current >= pixelCount) return fail("Too many pixels read");
        std::size_t at = current * bytesPerPixel;
        if (!growTo(image.pixels, at + bytesPerPixel, imageSize)) return false;
        unsigned char* out = image.pixels.data() + at;
        out[0] = pixel[2];
        out[1] = pixel[1];
        out[2] = pixel[0];
        if (bytesPerPixel == 4) out[3] = pixel[3];
        ++current;
        return true;
    };
    while (current < pixelCount) {
        int header = std::fgetc(file);
        if (header == EOF) return fail("Could not read RLE header");
        if (header < 128) {
            for (int i = 0; i <= header; ++i) {
                if (std::fread(pixel, 1, bytesPerPixel, file) != bytesPerPixel)
                    return fail("Could not read image data");
                if (!store()) return false;
            }
        } else {
            if (std::fread(pixel, 1, bytesPerPixel, file) != bytesPerPixel)
                return fail("Could not read from file");
            for (int i = 0; i < header - 127; ++i)
                if (!store()) return false;
        }
    }
    return true;
}

bool readTga(TgaImage& image, const char* path) {
    File file(path ? platform::openForReading(path) : nullptr);
    if (!file) return fail("Could not open texture file");
    unsigned char header[12];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header)
        return fail("Could not read file header");
    const bool uncompressed = std::memcmp(header, kUncompressedHeader, sizeof header) == 0;
    const bool runLength = std::memcmp(header, kRunLengthHeader, sizeof header) == 0;
    if (!uncompressed && !runLength) return fail("TGA file be type 2 or type 10 ", "Invalid Image");

    if (!readInfoHeader(file.get(), image)) return false;
    const std::size_t bytesPerPixel = image.bitsPerPixel / 8;
    const std::size_t imageSize =
        bytesPerPixel * static_cast<std::size_t>(image.width) * image.height;
    return uncompressed ? readUncompressed(file.get(), image, bytesPerPixel, imageSize)
                        : readRunLength(file.get(), image, bytesPerPixel, imageSize);
}

}  // namespace

bool loadTgaImage(TgaImage& image, const char* path) {
    image = TgaImage();
    if (readTga(image, path)) return true;
    image = TgaImage();
    return false;
}
