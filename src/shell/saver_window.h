// The window a run draws in: a borderless popup over the primary display in
// a full-screen run, a child filling its parent in a preview. Its creation
// prepares the run (data directory, settings, GL surface, scene list and
// first scene); its destruction gives the scene back. In full screen it
// decides which input ends the run.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

// Selects the full-screen behaviour; set before the window is created.
extern bool IsFullScreen;

struct MousePosition {
    int32_t x;
    int32_t y;
};
// The first pointer position a full-screen window saw; -1 in either
// coordinate means none yet. Never reset.
extern MousePosition FirstMousePos;

// Creates the saver window (full screen, or as a child filling parent) and
// records it in the application object. None on failure.
HWND CreateSaverWindow(bool fullScreen, HWND parent);

LRESULT SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The mouse rule: true when a pointer at (x, y) is more than 50 pixels from
// the first position along either axis. Stores the position as the first
// when there is none yet.
bool mouseMoveEndsRun(MousePosition& first, int x, int y);
