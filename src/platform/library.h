// Loading the password provider libraries at run time (dlopen/dlsym).
#pragma once

#include "platform/win_types.h"

typedef void (*FARPROC)();

HMODULE LoadLibraryA(const char* name);
FARPROC GetProcAddress(HMODULE module, const char* name);
BOOL FreeLibrary(HMODULE module);
