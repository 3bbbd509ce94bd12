// Opening web addresses: runs "xdg-open ADDRESS" found through PATH, with
// fork and exec and an argument vector (never a shell command line), reaps
// the child and reports nothing.
#pragma once

#include "platform/win_types.h"

HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand);
