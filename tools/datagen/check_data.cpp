// Checks the installation data generator end to end: runs it twice into
// fresh folders, requires identical bytes, and then checks that the tree is
// what the saver and the dialog read: scenes whose scene.xml names pictures
// that exist and decode, backgrounds of 1000 x 500, suns as TGA type 2 and
// type 10 with a clear border, a matching snowflake pair, the shaders and
// the dialog bitmaps at their sizes, and no files that belong to the program.
//
//   flurry_check_data <generator> <text source folder> <work folder>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <tinyxml2.h>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

namespace {

int failures = 0;

void fail(const std::string& what) {
    std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    ++failures;
}

Bytes readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::map<std::string, Bytes> readTree(const fs::path& root) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = readAll(entry.path());
    return files;
}

bool runGenerator(const std::string& generator, const std::string& source, const fs::path& out) {
    const std::string command = "'" + generator + "' '" + source + "' '" + out.string() + "'";
    return std::system(command.c_str()) == 0;
}

struct JpegInfo {
    bool ok = false;
    int width = 0, height = 0, components = 0;
    std::vector<unsigned char> pixels;  // decoded, rows top to bottom
};

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void onJpegError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1); }

// Decodes the whole picture, so a file that only has a valid header fails.
JpegInfo decodeJpeg(const fs::path& path) {
    JpegInfo info;
    const Bytes bytes = readAll(path);
    if (bytes.empty()) return info;
    jpeg_decompress_struct cinfo;
    JpegError error;
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        info.ok = false;
        return info;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    info.width = static_cast<int>(cinfo.output_width);
    info.height = static_cast<int>(cinfo.output_height);
    info.components = cinfo.output_components;
    info.pixels.resize(static_cast<size_t>(info.width) * info.height * info.components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = info.pixels.data() + static_cast<size_t>(cinfo.output_scanline) * info.width * info.components;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    info.ok = true;
    return info;
}

// Reads a true-colour TGA the way the saver does; returns the image type
// (2 or 10), or 0 after reporting what is wrong.
int checkTga(const fs::path& path) {
    const Bytes b = readAll(path);
    const std::string name = path.string();
    static const unsigned char type2[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    static const unsigned char type10[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (b.size() < 18) return fail(name + ": shorter than a TGA header"), 0;
    const bool rle = std::equal(type10, type10 + 12, b.begin());
    if (!rle && !std::equal(type2, type2 + 12, b.begin())) return fail(name + ": header matches neither TGA template"), 0;
    const int width = b[12] | b[13] << 8, height = b[14] | b[15] << 8, depth = b[16];
    if (width != height || (width != 64 && width != 128)) fail(name + ": not a 64 or 128 pixel square");
    if (depth != 32) return fail(name + ": not 32 bits per pixel"), 0;
    if (b[17] & 0x20) fail(name + ": top-left origin; the saver expects bottom-left");
    const size_t count = static_cast<size_t>(width) * height;
    std::vector<unsigned char> alpha;
    alpha.reserve(count);
    size_t at = 18;
    if (!rle) {
        if (b.size() != 18 + count * 4) return fail(name + ": pixel data size is wrong"), 0;
        for (size_t i = 0; i < count; ++i) alpha.push_back(b[18 + i * 4 + 3]);
    } else {
        while (alpha.size() < count) {
            if (at >= b.size()) return fail(name + ": ends between packets"), 0;
            const unsigned header = b[at++];
            const size_t n = header < 128 ? header + 1 : header - 127;
            if (alpha.size() + n > count) return fail(name + ": a packet runs past the last pixel"), 0;
            const size_t need = header < 128 ? n * 4 : 4;
            if (at + need > b.size()) return fail(name + ": ends inside a packet"), 0;
            for (size_t i = 0; i < n; ++i) alpha.push_back(b[at + (header < 128 ? i * 4 : 0) + 3]);
            at += need;
        }
        if (at != b.size()) fail(name + ": bytes left after the last pixel");
        if (b.size() >= 18 + count * 4) fail(name + ": run-length coding saves nothing");
    }
    // Textures repeat: a border that is not fully clear would bleed in.
    for (int i = 0; i < width; ++i) {
        if (alpha[i] || alpha[count - 1 - i] || alpha[static_cast<size_t>(i) * width] ||
            alpha[static_cast<size_t>(i) * width + width - 1])
            return fail(name + ": border is not fully transparent"), 0;
    }
    if (alpha[count / 2 + width / 2] != 255) fail(name + ": centre is not opaque");
    return rle ? 10 : 2;
}

void checkBmp(const fs::path& path, int width, int height) {
    const Bytes b = readAll(path);
    const std::string name = path.string();
    auto le32 = [&](size_t at) { return static_cast<long>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<unsigned>(b[at + 3]) << 24); };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return fail(name + ": not a BMP file");
    const long rowBytes = (width * 3L + 3) & ~3L;
    if (le32(18) != width || le32(22) != height) fail(name + ": not " + std::to_string(width) + " x " + std::to_string(height));
    if ((b[28] | b[29] << 8) != 24 || le32(30) != 0) fail(name + ": not uncompressed 24-bit");
    if (le32(10) != 54 || static_cast<long>(b.size()) != 54 + rowBytes * height || le32(2) != static_cast<long>(b.size()))
        fail(name + ": file size or pixel offset is wrong");
}

const char* attribute(const tinyxml2::XMLElement* root, const char* element, const char* name) {
    const tinyxml2::XMLElement* e = root->FirstChildElement(element);
    return e ? e->Attribute(name) : nullptr;
}

void checkScenes(const fs::path& data) {
    int scenes = 0;
    std::map<int, int> sunTypes;
    for (const auto& entry : fs::directory_iterator(data)) {
        const fs::path xml = entry.path() / "scene.xml";
        if (!entry.is_directory() || !fs::exists(xml)) continue;
        ++scenes;
        const std::string folder = entry.path().filename().string();
        if (folder.find(' ') != std::string::npos) fail(folder + ": folder name has a space");
        tinyxml2::XMLDocument doc;
        if (doc.LoadFile(xml.c_str()) != tinyxml2::XML_SUCCESS || !doc.RootElement()) {
            fail(xml.string() + ": not well-formed");
            continue;
        }
        const tinyxml2::XMLElement* root = doc.RootElement();
        const char* back = attribute(root, "Back", "file");
        if (!back) {
            fail(folder + ": no background");
        } else {
            const JpegInfo jpeg = decodeJpeg(entry.path() / back);
            if (!jpeg.ok) fail(folder + ": background " + back + " is missing or does not decode");
            else if (jpeg.width != 1000 || jpeg.height != 500 || jpeg.components != 3)
                fail(folder + ": background is not a 1000 x 500 colour picture");
        }
        if (const char* sun = attribute(root, "Sun", "file")) {
            if (!fs::exists(entry.path() / sun)) fail(folder + ": sun " + sun + " is missing");
            else if (const int type = checkTga(entry.path() / sun)) ++sunTypes[type];
        }
        for (const char* text : {"Title", "Author", "Url", "Description"}) {
            const char* value = attribute(root, "Info", text);
            if (!value || !*value) fail(folder + ": Info has no " + text);
        }
    }
    if (scenes < 4) fail("fewer than four scenes");
    if (!sunTypes[2] || !sunTypes[10]) fail("the suns do not include both an uncompressed and a run-length TGA");
}

void checkSnowflakes(const fs::path& data) {
    const JpegInfo colour = decodeJpeg(data / "_snowflakes/sf4.jpg");
    const JpegInfo alpha = decodeJpeg(data / "_snowflakes/sf4a.jpg");
    if (!colour.ok || !alpha.ok) return fail("snowflake pictures are missing or do not decode");
    if (colour.width != alpha.width || colour.height != alpha.height) fail("snowflake pictures differ in size");
    if (colour.components != 3 || alpha.components != 3) fail("snowflake pictures are not three-component");
    const int w = alpha.width, h = alpha.height;
    auto px = [&](int x, int y, int c) { return alpha.pixels[(static_cast<size_t>(y) * w + x) * 3 + c]; };
    int maxBorder = 0, maxSpread = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int lo = std::min({px(x, y, 0), px(x, y, 1), px(x, y, 2)});
            const int hi = std::max({px(x, y, 0), px(x, y, 1), px(x, y, 2)});
            maxSpread = std::max(maxSpread, hi - lo);
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) maxBorder = std::max(maxBorder, hi);
        }
    if (maxSpread > 3) fail("the snowflake alpha picture is not grey");
    if (maxBorder > 6) fail("the snowflake alpha is not clear at the border");
    if (px(w / 2, h / 2, 0) < 200) fail("the snowflake alpha is not opaque at the centre");
}

void checkShaders(const fs::path& data) {
    for (const char* name : {"shaders/ripple.vsh", "shaders/ripple.fsh"}) {
        const Bytes b = readAll(data / name);
        const std::string text(b.begin(), b.end());
        if (text.rfind("#version 110", 0) != 0 || text.find("void main") == std::string::npos)
            fail(std::string(name) + ": not a GLSL 1.10 shader");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <generator> <text source folder> <work folder>\n", argv[0]);
        return 2;
    }
    const fs::path work(argv[3]), a = work / "a", b = work / "b";
    fs::remove_all(work);
    if (!runGenerator(argv[1], argv[2], a) || !runGenerator(argv[1], argv[2], b)) {
        fail("the generator reported an error");
        return 1;
    }

    const auto first = readTree(a), second = readTree(b);
    if (first.size() != second.size()) fail("two runs wrote different sets of files");
    for (const auto& [name, bytes] : first) {
        const auto other = second.find(name);
        if (other == second.end() || other->second != bytes) fail(name + " differs between two runs");
    }

    // A run over an up-to-date tree rewrites nothing.
    std::map<std::string, fs::file_time_type> times;
    for (const auto& [name, bytes] : first) times[name] = fs::last_write_time(a / name);
    if (!runGenerator(argv[1], argv[2], a)) fail("the generator failed over an existing tree");
    for (const auto& [name, time] : times)
        if (fs::last_write_time(a / name) != time) fail(name + " was rewritten although unchanged");

    for (const char* owned : {"options.xml", "defaultScenario.xml"})
        if (fs::exists(a / owned)) fail(std::string(owned) + " must be left to the program");
    checkScenes(a);
    checkSnowflakes(a);
    checkShaders(a);
    checkBmp(a / "dialog/bitmap103.bmp", 684, 66);
    checkBmp(a / "dialog/bitmap113.bmp", 200, 420);
    checkBmp(a / "dialog/bitmap119.bmp", 319, 76);

    if (failures) {
        std::fprintf(stderr, "%d check(s) failed\n", failures);
        return 1;
    }
    std::printf("installation data: %zu files, all checks passed\n", first.size());
    return 0;
}
