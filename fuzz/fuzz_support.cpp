#include "fuzz_support.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/message_box.h"

namespace {
const std::uint8_t* g_data = nullptr;
std::size_t g_size = 0;
int g_boxes = 0;
std::string g_lastText;
}  // namespace

namespace fuzzing {
void setInput(const std::uint8_t* data, std::size_t size) {
    g_data = data;
    g_size = size;
}
void resetBoxes() {
    g_boxes = 0;
    g_lastText.clear();
}
int boxCount() { return g_boxes; }
const std::string& lastBoxText() { return g_lastText; }
}  // namespace fuzzing

// Stand-ins for the platform layer: no display, no real files.
int MessageBoxA(HWND, const char* text, const char*, UINT) {
    ++g_boxes;
    g_lastText = text ? text : "";
    return IDOK;
}

namespace platform {
std::FILE* openForReading(const std::string&) {
    // fmemopen refuses an empty buffer; an empty file reads like /dev/null.
    if (g_size == 0) return std::fopen("/dev/null", "rb");
    return fmemopen(const_cast<std::uint8_t*>(g_data), g_size, "rb");
}
}  // namespace platform
