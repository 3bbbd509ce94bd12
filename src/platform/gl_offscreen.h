// An OpenGL context that draws into an off-screen buffer of a fixed size,
// for tests, benchmarks and rendering without a window. It is a
// compatibility context (immediate mode works) on the X display named by
// DISPLAY, made current on construction, with GLEW initialised.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

class OffscreenGl {
public:
    OffscreenGl(int width, int height);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    // False when no display, no suitable configuration or no context could
    // be had; error() then says why and nothing else may be used.
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }

    bool makeCurrent();

    // The drawn colour buffer as R, G, B, A bytes, width x height pixels,
    // bottom row first (the GL's own order). Finishes drawing first.
    std::vector<unsigned char> readPixels() const;

    // The name of the renderer ("llvmpipe ..." under Xvfb).
    std::string renderer() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int width_;
    int height_;
    std::string error_;
};

}  // namespace platform
