// Feeds arbitrary bytes to the TGA reader: it must neither crash, leak nor
// write outside the picture, and either give a picture whose buffer matches
// its header or show exactly one box and leave the picture empty.
#include "render/tga_reader.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::setInput(data, size);
    fuzzing::resetBoxes();
    TgaImage image;
    if (loadTgaImage(image, "fuzz.tga")) {
        FUZZ_CHECK(fuzzing::boxCount() == 0);
        FUZZ_CHECK(image.bitsPerPixel == 24 || image.bitsPerPixel == 32);
        FUZZ_CHECK(image.format == (image.bitsPerPixel == 24 ? GL_RGB : GL_RGBA));
        FUZZ_CHECK(image.width >= 1 && image.width <= kMaxTgaSide);
        FUZZ_CHECK(image.height >= 1 && image.height <= kMaxTgaSide);
        FUZZ_CHECK(image.pixels.size() ==
                   static_cast<std::size_t>(image.width) * image.height * image.bitsPerPixel / 8);
    } else {
        FUZZ_CHECK(fuzzing::boxCount() == 1);
        FUZZ_CHECK(image.pixels.empty() && image.width == 0 && image.height == 0);
    }
    return 0;
}
