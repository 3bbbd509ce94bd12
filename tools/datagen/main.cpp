// Paints the installation data: the scene backgrounds and suns, the shared
// snowflake pair and the dialog pictures, and copies the text sources
// (scene descriptions, shaders) beside them.
//
//   flurry_datagen [-v] <text source folder> <output data folder>
//
// With -v every file is listed with its size and the time it took.
//
// The output is the same bytes on every run; files that are already up to
// date are not rewritten. options.xml and defaultScenario.xml belong to the
// program and are never written here.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "pictures.h"
#include "writers.h"

using namespace paint;

namespace {

struct Output {
    std::string path;  // relative to the data folder
    std::function<Bytes()> make;
};

Bytes jpeg(const Image& image, int quality, bool fullChroma = false) {
    return encodeJpeg(image.toBytes(false, 0x5eed), image.width(), image.height(), quality, fullChroma);
}

Bytes tga(const Image& image, TgaKind kind) {
    return encodeTga(image.toBytes(true, 0), image.width(), image.height(), 32, kind);
}

Bytes bmp(const Image& image) { return encodeBmp(image.toBytes(false, 0xb17), image.width(), image.height()); }

// The flake's colour and alpha travel as two JPEGs; the alpha one is grey.
Image alphaAsGrey(const Image& image) {
    Image grey(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const float a = image.alphaAt(x, y);
            grey.at(x, y) = {a, a, a};
        }
    return grey;
}

std::vector<Output> outputs() {
    return {
        {"FrozenLake/background.jpg", [] { return jpeg(paintFrozenLake(), 92); }},
        {"FrozenLake/moon.tga", [] { return tga(paintMoon(128), TgaKind::RunLength); }},
        {"AlpinePeaks/background.jpg", [] { return jpeg(paintAlpinePeaks(), 92); }},
        {"AlpinePeaks/sun.tga", [] { return tga(paintDawnSun(64), TgaKind::RunLength); }},
        {"PineDusk/background.jpg", [] { return jpeg(paintPineDusk(), 92); }},
        {"PaleSunHills/background.jpg", [] { return jpeg(paintPaleSunHills(), 92); }},
        {"PaleSunHills/sun.tga", [] { return tga(paintPaleSun(128), TgaKind::Uncompressed); }},
        {"_snowflakes/sf4.jpg", [] { return jpeg(paintSnowflake(64), 95, true); }},
        {"_snowflakes/sf4a.jpg", [] { return jpeg(alphaAsGrey(paintSnowflake(64)), 95, true); }},
        {"dialog/bitmap103.bmp", [] { return bmp(paintBanner()); }},
        {"dialog/bitmap113.bmp", [] { return bmp(paintSidePicture()); }},
        {"dialog/bitmap119.bmp", [] { return bmp(paintSiblingBanner()); }},
    };
}

bool copyTextSources(const std::filesystem::path& from, const std::filesystem::path& to) {
    namespace fs = std::filesystem;
    std::error_code ec;
    bool ok = true;
    for (fs::recursive_directory_iterator it(from, ec), end; it != end && !ec; it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        std::ifstream in(it->path(), std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "datagen: cannot read %s\n", it->path().c_str());
            ok = false;
            continue;
        }
        ok = writeFileIfChanged((to / fs::relative(it->path(), from)).string(), bytes) && ok;
    }
    if (ec) {
        std::fprintf(stderr, "datagen: cannot list %s: %s\n", from.c_str(), ec.message().c_str());
        return false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const bool verbose = argc == 4 && std::string(argv[1]) == "-v";
    if (argc != 3 && !verbose) {
        std::fprintf(stderr, "usage: %s [-v] <text source folder> <output data folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path source(argv[argc - 2]), target(argv[argc - 1]);
    std::atomic<bool> ok{copyTextSources(source, target)};

    // The pictures are independent of each other: paint them on every core.
    const std::vector<Output> all = outputs();
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < all.size(); i = next++) {
            const auto start = std::chrono::steady_clock::now();
            const Bytes bytes = all[i].make();
            if (!writeFileIfChanged((target / all[i].path).string(), bytes)) ok = false;
            if (verbose) {
                const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
                std::printf("%-28s %8zu bytes %7.0f ms\n", all[i].path.c_str(), bytes.size(), took.count());
            }
        }
    };
    const unsigned cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < cores; ++i) workers.emplace_back(worker);
    worker();
    for (std::thread& t : workers) t.join();
    return ok ? 0 : 1;
}
