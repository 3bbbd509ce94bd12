// The in-memory GL surfaces: the device offers the formats a test names;
// contexts are tokens; nothing is drawn.
#include "platform/gl_internal.h"

namespace platform {
namespace {

std::vector<PIXELFORMATDESCRIPTOR>& fakeFormats() {
    static std::vector<PIXELFORMATDESCRIPTOR> f{makePixelFormat(32, 24, 64, false)};
    return f;
}

class InMemorySurfaces : public detail::GlSurfaces {
public:
    const std::vector<PIXELFORMATDESCRIPTOR>& formatsFor(HWND) override { return fakeFormats(); }
    bool setFormat(HWND, int) override { return true; }
    HGLRC createContext(HWND) override { return reinterpret_cast<HGLRC>(++next_); }
    bool makeCurrent(HWND, HGLRC context) override {
        uintptr_t id = reinterpret_cast<uintptr_t>(context);
        return !context || (id > 0x100 && id <= next_);
    }
    bool swap(HWND) override { return true; }
    void forget(HWND) override {}

private:
    uintptr_t next_ = 0x100;
};

}  // namespace

void setFakePixelFormats(const std::vector<PIXELFORMATDESCRIPTOR>& formats) { fakeFormats() = formats; }

namespace detail {
GlSurfaces* makeInMemorySurfaces() { return new InMemorySurfaces; }
}  // namespace detail

}  // namespace platform
