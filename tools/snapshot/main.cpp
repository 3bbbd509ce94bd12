// flurry_snapshot: writes a PNG picture of a scene as the saver draws it
// after a number of frames, without any display (an off-screen context of
// Mesa's surfaceless EGL platform, or a GLX pbuffer where only that works).
//
//   flurry_snapshot --data DIR --scene FOLDER --out FILE.png
//                   [--frames N] [--size WxH] [--seed S] [--wind 0..100]
//                   [--keep-aspect]
//
// The settings are the defaults of a fresh installation (calm wind, the
// whole window used) unless an option says otherwise; options.xml of the
// data directory is not read. The same seed gives the same picture.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/gl_headless.h"
#include "platform/message_box.h"
#include "render/png_file.h"
#include "render/snapshot.h"
#include "scene/current_scene.h"
#include "settings/int_text.h"
#include "settings/options.h"
#include "shell/data_dir.h"

namespace {

const char kUsage[] =
    "usage: flurry_snapshot --data DIR --scene FOLDER --out FILE.png\n"
    "                       [--frames N] [--size WxH] [--seed S] [--wind 0..100] [--keep-aspect]\n";

int usage(const char* problem) {
    if (problem) std::fprintf(stderr, "flurry_snapshot: %s\n", problem);
    std::fputs(kUsage, stderr);
    return 2;
}

bool readInt(const char* text, int low, int high, int* out) {
    int v = 0;
    if (!text || !readDecimalInt(text, &v) || v < low || v > high) return false;
    *out = v;
    return true;
}

bool readSize(const char* text, int* width, int* height) {
    if (!text) return false;
    const char* x = std::strchr(text, 'x');
    if (!x) return false;
    const std::string w(text, x);
    return readInt(w.c_str(), 1, 8192, width) && readInt(x + 1, 1, 8192, height);
}

}  // namespace

int main(int argc, char** argv) {
    platform::setMessageBoxBackend(platform::MessageBoxBackend::Stderr);
    SnapshotRequest request;
    std::string data, out;
    g_options = Options{};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool takesValue = true;
        int n = 0;
        if (arg == "--data" && value) {
            data = value;
        } else if (arg == "--scene" && value) {
            request.scene = value;
        } else if (arg == "--out" && value) {
            out = value;
        } else if (arg == "--frames") {
            if (!readInt(value, 0, 1000000, &request.frames)) return usage("--frames needs 0 to 1000000");
        } else if (arg == "--size") {
            if (!readSize(value, &request.width, &request.height)) return usage("--size needs WxH");
        } else if (arg == "--seed") {
            if (!readInt(value, 0, 2147483647, &n)) return usage("--seed needs a number");
            request.seed = static_cast<unsigned int>(n);
        } else if (arg == "--wind") {
            if (!readInt(value, 0, 100, &g_options.xSpeed)) return usage("--wind needs 0 to 100");
        } else if (arg == "--keep-aspect") {
            g_options.KeepAspect_1_6 = 1;
            takesValue = false;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            return usage(("unknown or incomplete option " + arg).c_str());
        }
        if (takesValue) ++i;
    }
    if (data.empty() || request.scene.empty() || out.empty())
        return usage("--data, --scene and --out are needed");
    DataDir = data;
    if (DataDir.back() != '/') DataDir += '/';

    platform::HeadlessGl gl(request.width, request.height);
    if (!gl.ok()) {
        std::fprintf(stderr, "flurry_snapshot: no off-screen OpenGL: %s\n", gl.error().c_str());
        return 1;
    }
    if (!drawSnapshotFrames(request)) {
        std::fprintf(stderr, "flurry_snapshot: the scene %s could not be loaded from %s\n",
                     request.scene.c_str(), DataDir.c_str());
        return 1;
    }
    const std::string png = encodePng(request.width, request.height, gl.readPixels());
    deleteScene(currentScene);
    if (png.empty() || !platform::writeFileAtomically(out, png)) {
        std::fprintf(stderr, "flurry_snapshot: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s: %s after %d frames, %dx%d, seed %u (%s)\n", out.c_str(), request.scene.c_str(),
                request.frames, request.width, request.height, request.seed, gl.kind().c_str());
    return 0;
}
