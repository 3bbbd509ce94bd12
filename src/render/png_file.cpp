#include "render/png_file.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>

namespace {

void putBigEndian(std::string& out, uint32_t v) {
    out += static_cast<char>(v >> 24);
    out += static_cast<char>(v >> 16);
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v);
}

// A chunk: length, type, data, and the CRC of type and data.
void putChunk(std::string& out, const char type[4], const std::string& data) {
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    out += data;
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(out.data() + typeAt), 4 + data.size());
    putBigEndian(out, static_cast<uint32_t>(crc));
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// One row filtered with filter type f (0 none, 1 sub, 2 up, 3 average,
// 4 Paeth) against the row above (zeros for the first row).
void filterRow(int f, const unsigned char* row, const unsigned char* above, std::size_t n,
               unsigned char* out) {
    const std::size_t bpp = 3;
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0;
        const int b = above[i];
        const int c = i >= bpp ? above[i - bpp] : 0;
        int predictor = 0;
        switch (f) {
        case 1: predictor = a; break;
        case 2: predictor = b; break;
        case 3: predictor = (a + b) / 2; break;
        case 4: predictor = paeth(a, b, c); break;
        default: break;
        }
        out[i] = static_cast<unsigned char>(row[i] - predictor);
    }
}

// The usual choice: the filter whose output has the smallest sum of
// absolute values (as signed bytes).
long cost(const unsigned char* filtered, std::size_t n) {
    long sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += std::abs(static_cast<signed char>(filtered[i]));
    return sum;
}

}  // namespace

std::string encodePng(int width, int height, const std::vector<unsigned char>& rgbaBottomUp) {
    if (width < 1 || height < 1) return {};
    const std::size_t w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
    if (rgbaBottomUp.size() != w * h * 4) return {};

    const std::size_t rowBytes = w * 3;
    std::string raw;
    raw.reserve((rowBytes + 1) * h);
    std::vector<unsigned char> row(rowBytes), above(rowBytes, 0), best(rowBytes), trial(rowBytes);
    for (std::size_t y = 0; y < h; ++y) {
        // PNG rows run from the top.
        const unsigned char* src = rgbaBottomUp.data() + (h - 1 - y) * w * 4;
        for (std::size_t x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k) row[x * 3 + k] = src[x * 4 + k];
        int bestFilter = 0;
        long bestCost = -1;
        for (int f = 0; f <= 4; ++f) {
            filterRow(f, row.data(), above.data(), rowBytes, trial.data());
            const long c = cost(trial.data(), rowBytes);
            if (bestCost < 0 || c < bestCost) {
                bestCost = c;
                bestFilter = f;
                best.swap(trial);
            }
        }
        raw += static_cast<char>(bestFilter);
        raw.append(reinterpret_cast<const char*>(best.data()), rowBytes);
        above.swap(row);
    }

    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 9) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::string header;
    putBigEndian(header, static_cast<uint32_t>(width));
    putBigEndian(header, static_cast<uint32_t>(height));
    header += static_cast<char>(8);  // bits per channel
    header += static_cast<char>(2);  // colour type: RGB
    header += std::string(3, '\0');  // deflate, adaptive filtering, no interlace

    std::string png("\x89PNG\r\n\x1a\n", 8);
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", "");
    return png;
}
