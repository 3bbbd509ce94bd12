// The OpenGL surface of a rendering window and the renderer's start-up.
#pragma once

#include "platform/win_types.h"

// The device context frames are presented on.
extern HDC renderDC;
// The pixel format last chosen has a hardware accumulation buffer.
extern bool accumBufferUsable;

// Chooses and sets a double-buffered RGBA format on the window's device
// context (stored in renderDC): asks for 64, then 32, then no accumulation
// bits while only the generic implementation answers, and falls back to
// format 1 when all three are generic. Failures are shown in message boxes
// and set-up goes on.
void setupPixelFormat(HWND window);

// The fixed GL state every frame is drawn in: lighting with the default
// light and colour material, flat shading, 2D texturing, alpha blending.
// Part of initRendering; also for drawing frames without a window.
void setFixedGlState();

// Brings a window whose context is current to the state frames need: seeds
// the random generator, rebuilds and loads the scene list, builds the first
// scene, sets the fixed GL state and loads the shaders where OpenGL 2.0 is
// present. Replaces (and disposes of) the previous scene list and scene.
void initRendering();
