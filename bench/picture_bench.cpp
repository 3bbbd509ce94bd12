// Decode and upload times of the pictures a scene loads: a 1000 x 500 JPEG
// background (decode alone, and as a mipmapped texture), the snowflake pair
// and a 128 x 128 run-length TGA sun. Pictures are painted here; with
// FLURRYDALE_BENCH_DATA set to a data directory, every JPEG and TGA in its
// scene folders is decoded as well.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "platform/gl_offscreen.h"
#include "platform/message_box.h"
#include "render/jpeg_reader.h"
#include "render/picture_files.h"
#include "render/texture.h"
#include "render/tga_reader.h"
#include "support/temp_dir.h"

namespace {

using pictures::Rgb;

// Soft gradients with some grain, like a painted landscape.
Rgb landscape(int x, int y) {
    double sky = y / 500.0;
    double ridge = 250 + 60 * std::sin(x / 90.0) + 25 * std::sin(x / 23.0);
    unsigned grain = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) % 17;
    if (y < ridge)
        return {static_cast<unsigned char>(40 + 80 * sky + grain),
                static_cast<unsigned char>(60 + 90 * sky + grain),
                static_cast<unsigned char>(120 + 100 * sky)};
    return {static_cast<unsigned char>(200 + grain * 3), static_cast<unsigned char>(205 + grain * 2),
            static_cast<unsigned char>(225 + grain)};
}

struct Files {
    TempDir dir;
    std::string background, flake, flakeAlpha, sun;
    Files() {
        background = dir.write("back.jpg", pictures::colourJpeg(1000, 500, landscape));
        flake = dir.write("sf4.jpg", pictures::solidJpeg(64, 64, {255, 255, 255}));
        flakeAlpha = dir.write("sf4a.jpg", pictures::colourJpeg(64, 64, [](int x, int y) {
            double d = std::hypot(x - 32, y - 32) / 32;
            auto v = static_cast<unsigned char>(d >= 1 ? 0 : 255 * (1 - d));
            return Rgb{v, v, v};
        }));
        std::string tga = pictures::tgaHeader(10, 128, 128, 32);
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                double d = std::hypot(x - 64, y - 64) / 64;
                int a = d >= 1 ? 0 : static_cast<int>(255 * (1 - d * d));
                tga += pictures::bytes({0, 200, 230, 255, a});  // one raw pixel per packet
            }
        }
        sun = dir.write("sun.tga", tga);
    }
};

Files& files() {
    static Files* f = new Files;
    return *f;
}

void quietBoxes() {
    platform::setMessageBoxHook([](const platform::MessageBoxCall&) { return IDOK; });
}

void decodeJpeg(benchmark::State& state, std::string path) {
    quietBoxes();
    for (auto _ : state) {
        std::unique_ptr<JpegImage> image = loadJpegImage(path.c_str());
        if (!image) state.SkipWithError("the picture did not decode");
        benchmark::DoNotOptimize(image);
    }
}

void decodeTga(benchmark::State& state, std::string path) {
    quietBoxes();
    for (auto _ : state) {
        TgaImage image;
        if (!loadTgaImage(image, path.c_str())) state.SkipWithError("the picture did not decode");
        benchmark::DoNotOptimize(image.pixels.data());
    }
}

// Texture creation needs a GL context; skipped without a display.
template <typename Create>
void upload(benchmark::State& state, Create create) {
    quietBoxes();
    static platform::OffscreenGl* gl = new platform::OffscreenGl(16, 16);
    if (!gl->ok()) {
        state.SkipWithError(gl->error().c_str());
        return;
    }
    for (auto _ : state) {
        Texture texture;
        create(texture);
        glFinish();
        if (texture.id == 0) state.SkipWithError("no texture was made");
        texture.destroy();
    }
}

void registerAll() {
    Files& f = files();
    benchmark::RegisterBenchmark("DecodeJpeg/background_1000x500", decodeJpeg, f.background)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DecodeTga/sun_128x128_rle32", decodeTga, f.sun)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Texture/background_1000x500_mipmapped", [](benchmark::State& s) {
        upload(s, [](Texture& t) { t.createFromJpeg(files().background.c_str()); });
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Texture/snowflake_pair_64x64", [](benchmark::State& s) {
        upload(s, [](Texture& t) {
            t.createFromJpegPair(files().flake.c_str(), files().flakeAlpha.c_str());
        });
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Texture/sun_128x128", [](benchmark::State& s) {
        upload(s, [](Texture& t) { t.createFromTga(files().sun.c_str()); });
    })->Unit(benchmark::kMillisecond);

    const char* data = std::getenv("FLURRYDALE_BENCH_DATA");
    if (!data) return;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(data, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        const std::string path = it->path().string();
        const std::string ext = it->path().extension().string();
        const std::string name = std::filesystem::relative(it->path(), data, ec).string();
        if (ext == ".jpg")
            benchmark::RegisterBenchmark(("DataJpeg/" + name).c_str(), decodeJpeg, path)
                ->Unit(benchmark::kMillisecond);
        else if (ext == ".tga")
            benchmark::RegisterBenchmark(("DataTga/" + name).c_str(), decodeTga, path)
                ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
