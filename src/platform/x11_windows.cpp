// The X11 window backend.
#include "platform/gl_internal.h"
#include "platform/window_internal.h"

namespace platform {
namespace detail {

NativeWindows* makeNoDisplayWindows();
GlSurfaces* makeNoDisplaySurfaces();

NativeWindows* makeX11Windows() { return makeNoDisplayWindows(); }
GlSurfaces* makeX11Surfaces() { return makeNoDisplaySurfaces(); }

}  // namespace detail
}  // namespace platform
