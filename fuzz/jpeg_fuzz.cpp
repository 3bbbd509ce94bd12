// Feeds arbitrary bytes to the JPEG reader: it must neither crash nor leak,
// and either give a well-formed RGB picture or show exactly its one box.
#include "render/jpeg_reader.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::setInput(data, size);
    fuzzing::resetBoxes();
    std::unique_ptr<JpegImage> image = loadJpegImage("fuzz.jpg");
    if (image) {
        FUZZ_CHECK(fuzzing::boxCount() == 0);
        FUZZ_CHECK(image->width >= 1 && image->width <= kMaxJpegSide);
        FUZZ_CHECK(image->height >= 1 && image->height <= kMaxJpegSide);
        FUZZ_CHECK(image->rowBytes == 3 * image->width);
        FUZZ_CHECK(image->pixels.size() ==
                   static_cast<std::size_t>(image->rowBytes) * image->height);
    } else {
        FUZZ_CHECK(fuzzing::boxCount() == 1);
        FUZZ_CHECK(fuzzing::lastBoxText() == "Unable to load JPG File!");
    }
    return 0;
}
