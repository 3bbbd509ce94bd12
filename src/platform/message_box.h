// Modal message boxes. Every box of the program goes through MessageBoxA, so
// that the backend can be chosen once for the whole process: an FLTK window
// on a desktop, one line on standard error where no display can be opened (or
// FLURRYDALE_MESSAGEBOX=stderr asks for it, or a locked screen must stay
// untouched), and a hook through which tests record boxes and script answers.
#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"

// Shows a box with the buttons of type & MB_TYPEMASK (MB_OK, MB_YESNO or
// MB_RETRYCANCEL) and answers IDOK, IDYES, IDNO, IDRETRY or IDCANCEL.
// An unsupported type is reported on standard error and answers 0.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

namespace platform {

enum class MessageBoxBackend { Automatic, Interactive, Stderr };

// Forces a backend for the rest of the process (Automatic restores the
// choice by environment and display).
void setMessageBoxBackend(MessageBoxBackend backend);

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// While a hook is set, every box is handed to it instead of being shown, and
// its result is the answer. An empty function removes the hook.
using MessageBoxHook = std::function<int(const MessageBoxCall&)>;
void setMessageBoxHook(MessageBoxHook hook);

// The line the non-interactive backend writes (without the line end), and the
// answer it gives: OK, No or Cancel.
std::string describeMessageBox(const char* text, const char* caption, UINT type, int answer);
int nonInteractiveAnswer(UINT type);

// The interactive backend itself (message_box_fltk.cpp).
int showInteractiveMessageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace platform
