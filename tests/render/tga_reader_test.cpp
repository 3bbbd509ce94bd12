#include "render/tga_reader.h"

#include <gtest/gtest.h>

#include "render/picture_files.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using pictures::bytes;
using pictures::tgaHeader;

namespace {

struct ValidCase {
    const char* name;
    std::string file;
    unsigned width, height, bitsPerPixel;
    GLenum format;
    std::string pixels;  // expected R, G, B (, A) in file row order
};

class TgaValid : public ::testing::TestWithParam<ValidCase> {};

TEST_P(TgaValid, DecodesToRgbInFileOrder) {
    const ValidCase& c = GetParam();
    TempDir dir;
    MessageBoxRecorder boxes;
    TgaImage image;
    ASSERT_TRUE(loadTgaImage(image, dir.write("p.tga", c.file).c_str()));
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.bitsPerPixel, c.bitsPerPixel);
    EXPECT_EQ(image.format, c.format);
    EXPECT_EQ(std::string(image.pixels.begin(), image.pixels.end()), c.pixels);
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Files, TgaValid,
    ::testing::Values(
        ValidCase{"Uncompressed24", tgaHeader(2, 2, 1, 24) + bytes({1, 2, 3, 4, 5, 6}), 2, 1,
                  24, GL_RGB, bytes({3, 2, 1, 6, 5, 4})},
        // The descriptor's origin bits are not consulted; trailing bytes are ignored.
        ValidCase{"Uncompressed32TopOrigin",
                  tgaHeader(2, 1, 2, 32, 0x28) + bytes({10, 20, 30, 40, 50, 60, 70, 80, 99}), 1,
                  2, 32, GL_RGBA, bytes({30, 20, 10, 40, 70, 60, 50, 80})},
        ValidCase{"SingleRunPacket", tgaHeader(10, 4, 1, 24) + bytes({0x83, 10, 20, 30}), 4, 1,
                  24, GL_RGB, repeat(bytes({30, 20, 10}), 4)},
        // Packets run on across row ends: 3 x 2 as a raw packet of 2 and a run of 4.
        ValidCase{"PacketsAcrossRows",
                  tgaHeader(10, 3, 2, 32) +
                      bytes({0x01, 1, 2, 3, 4, 5, 6, 7, 8, 0x83, 9, 10, 11, 12}),
                  3, 2, 32, GL_RGBA,
                  bytes({3, 2, 1, 4, 7, 6, 5, 8}) + repeat(bytes({11, 10, 9, 12}), 4)},
        ValidCase{"WidestAccepted", tgaHeader(10, 8192, 1, 24) + repeat(bytes({0xFF, 1, 2, 3}), 64),
                  8192, 1, 24, GL_RGB, repeat(bytes({3, 2, 1}), 8192)}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string file;  // empty name below means: no file at all
    const char* text;
    const char* caption;
};

class TgaRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(TgaRefused, ShowsItsMessageAndLeavesNoPicture) {
    const BadCase& c = GetParam();
    TempDir dir;
    MessageBoxRecorder boxes;
    std::string path =
        std::string(c.name) == "Missing" ? dir.file("none.tga") : dir.write("p.tga", c.file);
    TgaImage image;
    EXPECT_FALSE(loadTgaImage(image, path.c_str()));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, c.text);
    EXPECT_EQ(boxes.calls()[0].caption, c.caption);
    EXPECT_EQ(boxes.calls()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes.calls()[0].owner, nullptr);
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_EQ(image.width, 0u);
}

const char* kWrongType = "TGA file be type 2 or type 10 ";
const char* kInvalid = "Invalid texture information";

INSTANTIATE_TEST_SUITE_P(
    Files, TgaRefused,
    ::testing::Values(
        BadCase{"Missing", "", "Could not open texture file", "ERROR"},
        BadCase{"ShortFileHeader", bytes({0, 0, 2, 0, 0}), "Could not read file header", "ERROR"},
        BadCase{"Greyscale", tgaHeader(3, 1, 1, 24) + bytes({1, 2, 3}), kWrongType, "Invalid Image"},
        BadCase{"IdField", tgaHeader(2, 1, 1, 24, 0, 1) + bytes({0, 1, 2, 3}), kWrongType,
                "Invalid Image"},
        BadCase{"ColourMap", tgaHeader(2, 1, 1, 24, 0, 0, 1) + bytes({1, 2, 3}), kWrongType,
                "Invalid Image"},
        BadCase{"ShortInfoHeader", tgaHeader(2, 1, 1, 24).substr(0, 15),
                "Could not read info header", "ERROR"},
        BadCase{"Depth16", tgaHeader(2, 1, 1, 16) + bytes({1, 2}), kInvalid, "ERROR"},
        BadCase{"WidthZero", tgaHeader(2, 0, 1, 24), kInvalid, "ERROR"},
        BadCase{"HeightZero", tgaHeader(10, 1, 0, 32), kInvalid, "ERROR"},
        BadCase{"WiderThanLimit", tgaHeader(2, 8193, 1, 24), kInvalid, "ERROR"},
        BadCase{"TallerThanLimit", tgaHeader(10, 1, 65535, 32), kInvalid, "ERROR"},
        BadCase{"UncompressedShort", tgaHeader(2, 2, 1, 24) + bytes({1, 2, 3, 4, 5}),
                "Could not read image data", "ERROR"},
        BadCase{"UncompressedHugeInTinyFile", tgaHeader(2, 8192, 8192, 32) + bytes({1, 2, 3}),
                "Could not read image data", "ERROR"},
        BadCase{"EndsBetweenPackets", tgaHeader(10, 4, 1, 24) + bytes({0x81, 1, 2, 3}),
                "Could not read RLE header", "ERROR"},
        BadCase{"EndsInRawPacket", tgaHeader(10, 4, 1, 24) + bytes({0x03, 1, 2, 3, 4}),
                "Could not read image data", "ERROR"},
        BadCase{"EndsInRunPacket", tgaHeader(10, 4, 1, 32) + bytes({0x83, 1, 2, 3}),
                "Could not read from file", "ERROR"},
        BadCase{"RunOverruns", tgaHeader(10, 4, 1, 24) + bytes({0x81, 1, 2, 3, 0x82, 4, 5, 6}),
                "Too many pixels read", "ERROR"},
        BadCase{"RawOverruns", tgaHeader(10, 2, 1, 24) + bytes({0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
                "Too many pixels read", "ERROR"},
        BadCase{"RunLengthHugeInTinyFile", tgaHeader(10, 8192, 8192, 32) + bytes({0xFF, 1, 2, 3, 4}),
                "Could not read RLE header", "ERROR"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
