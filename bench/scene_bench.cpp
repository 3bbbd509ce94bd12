// What a scene costs: building one (pictures decoded and uploaded, 1000
// flakes, 2000 warm-up steps) as every scene change does within one frame,
// and the per-frame snowfall step and drawing.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gl_offscreen.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "render/picture_files.h"
#include "scene/scene.h"
#include "scene/snowflake.h"
#include "shell/data_dir.h"

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A data directory with one scene of typical picture sizes: a 1024 x 512
// background, a 64 x 64 sun and a 32 x 32 flake pair.
class BenchData {
public:
    BenchData() {
        char tmpl[] = "/tmp/flurrydale-bench-XXXXXX";
        root_ = mkdtemp(tmpl) ? tmpl : "";
        DataDir = root_ + "/";
        writeFile(DataDir + "_snowflakes/sf4.jpg", pictures::solidJpeg(32, 32, {255, 255, 255}));
        writeFile(DataDir + "_snowflakes/sf4a.jpg", pictures::greyJpeg(32, 32, 200));
        writeFile(DataDir + "valley/back.jpg", pictures::colourJpeg(1024, 512, [](int x, int y) {
                      return pictures::Rgb{static_cast<unsigned char>(x / 4), static_cast<unsigned char>(y / 2),
                                           static_cast<unsigned char>(255 - x / 4)};
                  }));
        std::string tga = pictures::tgaHeader(2, 64, 64, 32, 8);
        for (int i = 0; i < 64 * 64; ++i) tga += pictures::bytes({40, 200, 255, i % 256});
        writeFile(DataDir + "valley/sun.tga", tga);
        writeFile(DataDir + "valley/scene.xml",
                  "<Scene><Back file=\"back.jpg\"/><Sun file=\"sun.tga\"/><Info Title=\"Valley\"/></Scene>");
    }
    ~BenchData() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

private:
    std::string root_;
};

platform::OffscreenGl& context() {
    static platform::OffscreenGl gl(640, 400);
    return gl;
}

BenchData& data() {
    static BenchData d;
    return d;
}

bool ready(benchmark::State& state) {
    data();
    if (!context().ok() || !context().makeCurrent()) {
        state.SkipWithError(("no GL context: " + context().error()).c_str());
        return false;
    }
    return true;
}

void BM_SceneConstruction(benchmark::State& state) {
    if (!ready(state)) return;
    platform::seedRandom(1);
    for (auto _ : state) {
        Scene scene("valley");
        if (!scene.loaded() || scene.backgroundTexture() == nullptr) {
            state.SkipWithError("the scene did not load");
            break;
        }
        benchmark::DoNotOptimize(scene.snowflake(0)->y);
    }
}
BENCHMARK(BM_SceneConstruction)->Unit(benchmark::kMillisecond);

void BM_SceneUpdate(benchmark::State& state) {
    if (!ready(state)) return;
    platform::seedRandom(1);
    Scene scene("valley");
    for (auto _ : state) {
        scene.update();
        benchmark::DoNotOptimize(scene.snowflake(999)->y);
    }
    state.SetItemsProcessed(state.iterations() * Scene::kFlakeCount);
}
BENCHMARK(BM_SceneUpdate)->Unit(benchmark::kMicrosecond);

void BM_SceneDraw(benchmark::State& state) {
    if (!ready(state)) return;
    Scene scene("valley");
    glEnable(GL_TEXTURE_2D);
    for (auto _ : state) {
        scene.draw();
        glFinish();
    }
}
BENCHMARK(BM_SceneDraw)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    platform::setMessageBoxBackend(platform::MessageBoxBackend::Stderr);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
