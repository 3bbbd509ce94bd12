#include "writers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace paint {

Bytes encodeJpeg(const Bytes& rgb, int width, int height, int quality, bool fullChroma) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    cinfo.dct_method = JDCT_ISLOW;  // the exact integer transform: same bytes everywhere
    if (fullChroma) {
        for (int c = 0; c < cinfo.num_components; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
    }
    jpeg_start_compress(&cinfo, TRUE);
    const size_t stride = static_cast<size_t>(width) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

static void putLe16(Bytes& out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

static void putLe32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xff));
}

Bytes encodeTga(const Bytes& samples, int width, int height, int bitsPerPixel, TgaKind kind) {
    const int bpp = bitsPerPixel / 8;
    Bytes out;
    out.push_back(0);                                  // no ID field
    out.push_back(0);                                  // no colour map
    out.push_back(static_cast<uint8_t>(kind));
    for (int i = 0; i < 5; ++i) out.push_back(0);      // colour-map fields: none
    putLe16(out, 0);                                   // x origin
    putLe16(out, 0);                                   // y origin
    putLe16(out, static_cast<unsigned>(width));
    putLe16(out, static_cast<unsigned>(height));
    out.push_back(static_cast<uint8_t>(bitsPerPixel));
    out.push_back(static_cast<uint8_t>(bpp == 4 ? 8 : 0));  // alpha bits; origin bottom-left

    // File pixels are B, G, R (, A); file rows run from the bottom up.
    auto pixelAt = [&](int x, int fileRow, uint8_t* px) {
        const uint8_t* s = samples.data() + (static_cast<size_t>(height - 1 - fileRow) * width + x) * bpp;
        px[0] = s[2];
        px[1] = s[1];
        px[2] = s[0];
        if (bpp == 4) px[3] = s[3];
    };

    uint8_t a[4] = {}, b[4] = {};
    for (int row = 0; row < height; ++row) {
        if (kind == TgaKind::Uncompressed) {
            for (int x = 0; x < width; ++x) {
                pixelAt(x, row, a);
                out.insert(out.end(), a, a + bpp);
            }
            continue;
        }
        int x = 0;
        while (x < width) {
            // Length of the run of identical pixels starting at x.
            pixelAt(x, row, a);
            int run = 1;
            while (x + run < width && run < 128) {
                pixelAt(x + run, row, b);
                if (std::memcmp(a, b, bpp) != 0) break;
                ++run;
            }
            if (run >= 2) {
                out.push_back(static_cast<uint8_t>(127 + run));
                out.insert(out.end(), a, a + bpp);
                x += run;
                continue;
            }
            // A raw packet: gather pixels until two identical ones begin a run.
            const size_t headerAt = out.size();
            out.push_back(0);
            int count = 0;
            while (x < width && count < 128) {
                pixelAt(x, row, a);
                if (x + 1 < width) {
                    pixelAt(x + 1, row, b);
                    if (std::memcmp(a, b, bpp) == 0) break;
                }
                out.insert(out.end(), a, a + bpp);
                ++count;
                ++x;
            }
            out[headerAt] = static_cast<uint8_t>(count - 1);
        }
    }
    return out;
}

Bytes encodeBmp(const Bytes& rgb, int width, int height) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    putLe32(out, 14 + 40 + imageBytes);  // file size
    putLe32(out, 0);                     // reserved
    putLe32(out, 14 + 40);               // offset of the pixels
    putLe32(out, 40);                    // info header size
    putLe32(out, static_cast<uint32_t>(width));
    putLe32(out, static_cast<uint32_t>(height));  // positive: bottom-up rows
    putLe16(out, 1);                     // planes
    putLe16(out, 24);                    // bits per pixel
    putLe32(out, 0);                     // no compression
    putLe32(out, imageBytes);
    putLe32(out, 3780);                  // 96 dpi in pixels per metre
    putLe32(out, 3780);
    putLe32(out, 0);                     // palette colours
    putLe32(out, 0);                     // important colours
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* s = rgb.data() + static_cast<size_t>(row) * width * 3;
        for (int x = 0; x < width; ++x) {
            out.push_back(s[x * 3 + 2]);
            out.push_back(s[x * 3 + 1]);
            out.push_back(s[x * 3 + 0]);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

bool writeFileIfChanged(const std::string& path, const Bytes& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

    {
        std::ifstream existing(target, std::ios::binary);
        if (existing) {
            const Bytes old((std::istreambuf_iterator<char>(existing)), std::istreambuf_iterator<char>());
            if (old == bytes) return true;
        }
    }

    const fs::path temporary = target.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "datagen: cannot write %s\n", temporary.c_str());
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::fprintf(stderr, "datagen: cannot replace %s: %s\n", path.c_str(), ec.message().c_str());
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace paint
