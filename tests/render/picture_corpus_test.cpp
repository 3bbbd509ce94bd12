// Replays the picture readers' fuzz corpora (generated and grown by
// scripts/fuzz; nothing binary is committed) through the real readers:
// each file gives a well-formed picture or exactly one box.
#include <gtest/gtest.h>

#include "render/jpeg_reader.h"
#include "render/tga_reader.h"
#include "support/fuzz_corpus.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

TEST(PictureCorpus, EveryJpegDecodesToRgbRowsOrGivesItsBox) {
    const std::vector<CorpusFile> corpus = fuzzCorpus("jpeg");
    if (corpus.empty()) GTEST_SKIP() << "scripts/fuzz has not generated a JPEG corpus";
    TempDir tmp;
    MessageBoxRecorder boxes;
    for (const CorpusFile& input : corpus) {
        SCOPED_TRACE(input.name);
        const std::string path = tmp.write("p.jpg", input.bytes);
        boxes.clear();
        std::unique_ptr<JpegImage> image = loadJpegImage(path.c_str());
        if (!image) {
            ASSERT_EQ(boxes.count(), 1u);
            EXPECT_EQ(boxes.calls()[0].text, "Unable to load JPG File!");
            continue;
        }
        EXPECT_EQ(boxes.count(), 0u);
        EXPECT_TRUE(image->width >= 1 && image->width <= kMaxJpegSide);
        EXPECT_TRUE(image->height >= 1 && image->height <= kMaxJpegSide);
        EXPECT_EQ(image->rowBytes, 3 * image->width);
        EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->rowBytes) * image->height);
    }
}

TEST(PictureCorpus, EveryTgaGivesAPictureMatchingItsHeaderOrOneBox) {
    const std::vector<CorpusFile> corpus = fuzzCorpus("tga");
    if (corpus.empty()) GTEST_SKIP() << "scripts/fuzz has not generated a TGA corpus";
    TempDir tmp;
    MessageBoxRecorder boxes;
    for (const CorpusFile& input : corpus) {
        SCOPED_TRACE(input.name);
        const std::string path = tmp.write("p.tga", input.bytes);
        boxes.clear();
        TgaImage image;
        if (!loadTgaImage(image, path.c_str())) {
            EXPECT_EQ(boxes.count(), 1u);
            EXPECT_TRUE(image.pixels.empty());
            continue;
        }
        EXPECT_EQ(boxes.count(), 0u);
        ASSERT_TRUE(image.bitsPerPixel == 24 || image.bitsPerPixel == 32);
        EXPECT_EQ(image.pixels.size(), std::size_t(image.width) * image.height * image.bitsPerPixel / 8);
        EXPECT_EQ(image.format, image.bitsPerPixel == 24 ? GL_RGB : GL_RGBA);
    }
}

}  // namespace
