#include "platform/library.h"

#include <dlfcn.h>

#include <cstring>

namespace {
std::string& libraryFolder() {
    static std::string folder;
    return folder;
}
}  // namespace

namespace platform {
void setLibraryFolder(const std::string& folder) { libraryFolder() = folder; }
}  // namespace platform

HMODULE LoadLibraryA(const char* name) {
    if (!name || !*name) return nullptr;
    void* handle = nullptr;
    if (!std::strchr(name, '/') && !libraryFolder().empty()) {
        std::string inFolder = libraryFolder() + "/" + name;
        handle = dlopen(inFolder.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (!handle) handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    if (!module || !name) return nullptr;
    void* symbol = dlsym(module, name);
    // Converting between object and function pointers is how dlsym is used.
    FARPROC proc;
    static_assert(sizeof proc == sizeof symbol, "function and object pointers differ in size");
    std::memcpy(&proc, &symbol, sizeof proc);
    return proc;
}

BOOL FreeLibrary(HMODULE module) {
    if (!module) return FALSE;
    return dlclose(module) == 0 ? TRUE : FALSE;
}
