#include "render/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

#include "platform/files.h"
#include "platform/message_box.h"

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return. Ours jumps back to the reader, which then fails the picture
// instead of the whole process. The jump only ever crosses libjpeg's C
// frames and the two functions below, which hold plain data only, so no
// destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr pub;  // first, so that cinfo->err points at the whole record
    std::jmp_buf jump;
};

[[noreturn]] void failDecoding(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    const char* path = static_cast<const char*>(cinfo->client_data);
    std::fprintf(stderr, "%s: %s\n", path ? path : "JPEG", text);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Level -1 is a warning about corrupt data, most often a file that ends
// early; the library would go on and paint the rest grey. Such a picture is
// refused like one that cannot be decoded at all. Trace messages (level 0
// and up) are ignored.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) failDecoding(cinfo);
}

bool acceptable(const jpeg_decompress_struct& cinfo) {
    if (cinfo.image_width < 1 || cinfo.image_height < 1) return false;
    if (cinfo.image_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        cinfo.image_height > static_cast<JDIMENSION>(kMaxJpegSide))
        return false;
    switch (cinfo.jpeg_color_space) {
        case JCS_GRAYSCALE: return cinfo.num_components == 1;
        case JCS_YCbCr:
        case JCS_RGB: return cinfo.num_components == 3;
        default: return false;  // CMYK, YCCK and unknown colour spaces
    }
}

// Creates the decompressor, reads the header, checks the picture and starts
// decompressing to RGB. Nothing large is allocated before the checks.
bool startDecoding(jpeg_decompress_struct* cinfo, std::FILE* file) {
    if (setjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump)) return false;
    jpeg_create_decompress(cinfo);
    jpeg_stdio_src(cinfo, file);
    if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
    if (!acceptable(*cinfo)) {
        const char* path = static_cast<const char*>(cinfo->client_data);
        std::fprintf(stderr, "%s: %u x %u pixels in colour space %d cannot be shown\n",
                     path ? path : "JPEG", cinfo->image_width, cinfo->image_height,
                     static_cast<int>(cinfo->jpeg_color_space));
        return false;
    }
    cinfo->out_color_space = JCS_RGB;  // greyscale is widened by the decoder
    jpeg_start_decompress(cinfo);
    return cinfo->output_components == 3 && cinfo->output_width == cinfo->image_width &&
           cinfo->output_height == cinfo->image_height;
}

bool readRows(jpeg_decompress_struct* cinfo, JSAMPROW* rows) {
    if (setjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump)) return false;
    while (cinfo->output_scanline < cinfo->output_height) {
        JDIMENSION done = cinfo->output_scanline;
        if (jpeg_read_scanlines(cinfo, rows + done, cinfo->output_height - done) == 0)
            return false;
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

void reportFailure(const char* path) {
    MessageBoxA(nullptr, "Unable to load JPG File!", path ? path : "", MB_OK);
}

}  // namespace

std::unique_ptr<JpegImage> loadJpegImage(const char* path) {
    std::FILE* file = path ? platform::openForReading(path) : nullptr;
    if (!file) {
        reportFailure(path);
        return nullptr;
    }

    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = failDecoding;
    errors.pub.emit_message = onMessage;
    cinfo.client_data = const_cast<char*>(path);

    std::unique_ptr<JpegImage> image;
    bool ok = startDecoding(&cinfo, file);
    if (ok) {
        const std::size_t width = cinfo.output_width;
        const std::size_t height = cinfo.output_height;
        const std::size_t rowBytes = 3 * width;
        try {
            image = std::make_unique<JpegImage>();
            image->width = static_cast<std::int32_t>(width);
            image->height = static_cast<std::int32_t>(height);
            image->rowBytes = static_cast<std::int32_t>(rowBytes);
            image->pixels.resize(rowBytes * height);
            // Decoded rows go straight to their bottom-up places.
            std::vector<JSAMPROW> rows(height);
            for (std::size_t k = 0; k < height; ++k)
                rows[k] = image->pixels.data() + (height - 1 - k) * rowBytes;
            ok = readRows(&cinfo, rows.data());
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);

    if (!ok) {
        reportFailure(path);
        return nullptr;
    }
    return image;
}
