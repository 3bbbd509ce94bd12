// Encoders for the installation's picture formats and a careful file
// writer. Encoders take 8-bit samples with rows top to bottom and return the
// complete file as bytes, so the same picture always gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace paint {

using Bytes = std::vector<uint8_t>;

// Baseline JPEG of an RGB picture. With fullChroma the colour is kept at
// full resolution (no 2x2 subsampling), for small pictures with fine detail.
Bytes encodeJpeg(const Bytes& rgb, int width, int height, int quality, bool fullChroma);

enum class TgaKind { Uncompressed = 2, RunLength = 10 };

// True-colour TGA of an RGB (24 bits) or RGBA (32 bits) picture, stored with
// the usual bottom-left origin; run-length packets never cross a row end.
Bytes encodeTga(const Bytes& samples, int width, int height, int bitsPerPixel, TgaKind kind);

// Uncompressed 24-bit BMP (bottom-up rows padded to four bytes).
Bytes encodeBmp(const Bytes& rgb, int width, int height);

// Writes bytes to path, creating folders, through a temporary file and a
// rename. A file that already holds exactly these bytes is left untouched.
// Returns false (after printing why) when the file cannot be written.
bool writeFileIfChanged(const std::string& path, const Bytes& bytes);

}  // namespace paint
