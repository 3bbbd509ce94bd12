// An OpenGL compatibility context that draws into a framebuffer object of a
// fixed size without any window, for rendering pictures of the saver where
// there may be no X server at all: Mesa's surfaceless EGL platform first;
// where that cannot be had and a display is there, a GLX pbuffer on it.
// Made current on construction, with GLEW initialised.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

class OffscreenGl;

class HeadlessGl {
public:
    HeadlessGl(int width, int height);
    ~HeadlessGl();
    HeadlessGl(const HeadlessGl&) = delete;
    HeadlessGl& operator=(const HeadlessGl&) = delete;

    // False when neither way gave a context; error() then says why each
    // failed, and nothing else may be used.
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // "EGL surfaceless" or "GLX pbuffer"; empty when !ok().
    const std::string& kind() const { return kind_; }

    // The drawn picture as R, G, B, A bytes, bottom row first. Finishes
    // drawing first.
    std::vector<unsigned char> readPixels() const;

private:
    struct Egl;
    bool openEgl(std::string* why);
    void closeEgl();

    std::unique_ptr<Egl> egl_;
    std::unique_ptr<OffscreenGl> glx_;
    int width_;
    int height_;
    std::string kind_;
    std::string error_;
};

}  // namespace platform
