#include "memory_files.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/message_box.h"
#include "shell/data_dir.h"

// The data directory every XML target works in.
std::string DataDir = "/fuzz/data/";

namespace {
std::map<std::string, std::string> g_files;
std::vector<std::string> g_boxTexts;
const std::string kNoText;
}  // namespace

namespace fuzzing {
std::map<std::string, std::string>& files() { return g_files; }
const std::vector<std::string>& boxTexts() { return g_boxTexts; }
void resetBoxes() { g_boxTexts.clear(); }
int boxCount() { return static_cast<int>(g_boxTexts.size()); }
const std::string& lastBoxText() { return g_boxTexts.empty() ? kNoText : g_boxTexts.back(); }
}  // namespace fuzzing

int MessageBoxA(HWND, const char* text, const char*, UINT) {
    g_boxTexts.push_back(text ? text : "");
    return IDOK;
}

// Stand-ins for the platform's file access, with its contract: size limits,
// whole-file replacement.
namespace platform {

ReadResult readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    auto it = g_files.find(path);
    if (it == g_files.end()) return ReadResult::CannotOpen;
    if (it->second.size() > maxBytes) return ReadResult::TooLarge;
    out = it->second;
    return ReadResult::Ok;
}

bool writeFileAtomically(const std::string& path, const std::string& data) {
    g_files[path] = data;
    return true;
}

std::FILE* openForReading(const std::string& path) {
    auto it = g_files.find(path);
    if (it == g_files.end()) return nullptr;
    if (it->second.empty()) return std::fopen("/dev/null", "rb");
    return fmemopen(const_cast<char*>(it->second.data()), it->second.size(), "rb");
}

bool fileReadable(const std::string& path) { return g_files.count(path) != 0; }

}  // namespace platform
