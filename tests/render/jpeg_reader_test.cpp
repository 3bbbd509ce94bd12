#include "render/jpeg_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "render/picture_files.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using pictures::Rgb;

namespace {

bool near(const unsigned char* p, Rgb c, int tolerance = 6) {
    return std::abs(p[0] - c.r) <= tolerance && std::abs(p[1] - c.g) <= tolerance &&
           std::abs(p[2] - c.b) <= tolerance;
}

struct Decoded {
    std::unique_ptr<JpegImage> image;
    std::size_t boxes;
};

Decoded decode(const std::string& file) {
    TempDir dir;
    MessageBoxRecorder boxes;
    std::unique_ptr<JpegImage> image = loadJpegImage(dir.write("p.jpg", file).c_str());
    return {std::move(image), boxes.count()};
}

// Top half red, bottom half blue; left quarter of the bottom half green.
Rgb quarters(int x, int y) {
    if (y < 16) return {255, 0, 0};
    return x < 8 ? Rgb{0, 255, 0} : Rgb{0, 0, 255};
}

TEST(JpegReader, StoresRgbRowsBottomUpAndUnmirrored) {
    Decoded d = decode(pictures::colourJpeg(32, 32, quarters));
    ASSERT_TRUE(d.image);
    EXPECT_EQ(d.boxes, 0u);
    EXPECT_EQ(d.image->width, 32);
    EXPECT_EQ(d.image->height, 32);
    EXPECT_EQ(d.image->rowBytes, 96);
    ASSERT_EQ(d.image->pixels.size(), 96u * 32);
    const unsigned char* bottomRow = d.image->pixels.data() + 2 * 96;  // row 2 from the bottom
    const unsigned char* topRow = d.image->pixels.data() + 29 * 96;
    EXPECT_TRUE(near(bottomRow + 3 * 2, {0, 255, 0}));
    EXPECT_TRUE(near(bottomRow + 3 * 28, {0, 0, 255}));
    EXPECT_TRUE(near(topRow + 3 * 2, {255, 0, 0}));
    EXPECT_TRUE(near(topRow + 3 * 28, {255, 0, 0}));
}

TEST(JpegReader, WidensGreyscaleToRgb) {
    Decoded d = decode(pictures::greyJpeg(24, 8, 60));
    ASSERT_TRUE(d.image);
    EXPECT_EQ(d.image->rowBytes, 72);
    ASSERT_EQ(d.image->pixels.size(), 72u * 8);
    for (std::size_t i = 0; i < d.image->pixels.size(); ++i)
        ASSERT_EQ(d.image->pixels[i], 60) << "byte " << i;
}

TEST(JpegReader, AcceptsTheLargestSide) {
    Decoded d = decode(pictures::solidJpeg(kMaxJpegSide, 8, {200, 100, 50}));
    ASSERT_TRUE(d.image);
    EXPECT_EQ(d.image->width, kMaxJpegSide);
    EXPECT_TRUE(near(d.image->pixels.data() + 3 * (kMaxJpegSide - 1), {200, 100, 50}));
}

struct BadCase {
    const char* name;
    std::string file;
};

class JpegRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(JpegRefused, ShowsTheBoxWithThePathAndGivesNone) {
    TempDir dir;
    MessageBoxRecorder boxes;
    const BadCase& c = GetParam();
    std::string path = std::string(c.name) == "Missing" ? dir.file("none.jpg")
                                                          : dir.write("p.jpg", c.file);
    EXPECT_EQ(loadJpegImage(path.c_str()), nullptr);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Unable to load JPG File!");
    EXPECT_EQ(boxes.calls()[0].caption, path);
    EXPECT_EQ(boxes.calls()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes.calls()[0].owner, nullptr);
}

// Busy enough that most of the file is scan data, so cutting it short
// cuts into the pixels rather than the header.
std::string good() {
    return pictures::colourJpeg(64, 64, [](int x, int y) {
        return Rgb{static_cast<unsigned char>(x * 7 + y * 13), static_cast<unsigned char>(x * x + y),
                   static_cast<unsigned char>(x * y)};
    });
}

std::string cmyk(J_COLOR_SPACE stored) {
    std::vector<unsigned char> pixels(16 * 16 * 4, 100);
    return pictures::encodeJpeg(16, 16, 4, JCS_CMYK, stored, pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegRefused,
    ::testing::Values(BadCase{"Missing", ""}, BadCase{"Empty", ""},
                      BadCase{"Garbage", std::string(300, 'x')},
                      BadCase{"TruncatedInHeader", good().substr(0, 100)},
                      BadCase{"TruncatedInScan", good().substr(0, good().size() * 2 / 3)},
                      BadCase{"Cmyk", cmyk(JCS_CMYK)}, BadCase{"Ycck", cmyk(JCS_YCCK)},
                      BadCase{"Declares60000Square", pictures::withDeclaredSize(good(), 60000, 60000)},
                      BadCase{"WiderThanLimit", pictures::withDeclaredSize(good(), 8193, 64)},
                      BadCase{"TallerThanLimit", pictures::withDeclaredSize(good(), 64, 8193)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
