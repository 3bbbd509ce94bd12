// Inside the GL surface layer: what a backend provides for the pixel format,
// context and presenting calls, which the shared code checks and records.
#pragma once

#include <vector>

#include "platform/gl_surface.h"

namespace platform {
namespace detail {

class GlSurfaces {
public:
    virtual ~GlSurfaces() = default;
    // The formats a device context of this window offers, numbered from 1.
    virtual const std::vector<PIXELFORMATDESCRIPTOR>& formatsFor(HWND window) = 0;
    // format is a valid number of formatsFor(window); set once per window.
    virtual bool setFormat(HWND window, int format) = 0;
    // The window has a format; the context is made for it.
    virtual HGLRC createContext(HWND window) = 0;
    // A null window releases the current context.
    virtual bool makeCurrent(HWND window, HGLRC context) = 0;
    virtual bool swap(HWND window) = 0;
    // The window is going away: its drawable and any binding to it go.
    virtual void forget(HWND window) = 0;
};

GlSurfaces* makeInMemorySurfaces();
GlSurfaces* makeX11Surfaces();

}  // namespace detail
}  // namespace platform
