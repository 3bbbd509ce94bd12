// Loading the password provider libraries at run time (dlopen/dlsym).
#pragma once

#include <string>

#include "platform/win_types.h"

typedef void (*FARPROC)();

// A name without "/" is looked for in the library folder first (when one is
// set), then where the system's dynamic loader looks. None on failure.
HMODULE LoadLibraryA(const char* name);
FARPROC GetProcAddress(HMODULE module, const char* name);
BOOL FreeLibrary(HMODULE module);

namespace platform {
// The folder searched first for names without "/" (like the program's own
// folder on the desktop the saver was written for); empty for none. Tests
// place their provider libraries there.
void setLibraryFolder(const std::string& folder);
}  // namespace platform
