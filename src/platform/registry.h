// The registry stand-in: two hives, local machine and current user, each a
// small text file of sections and values:
//   [Software\Quillbrook\Flurrydale]
//   Dir=/path/of/the/installation
// Hive files: /etc/flurrydale/registry.ini and
// ${XDG_CONFIG_HOME:-$HOME/.config}/flurrydale/registry.ini, or the files that
// FLURRYDALE_HKLM and FLURRYDALE_HKCU name. A hive file that is missing,
// unreadable or malformed reads as a missing key.
#pragma once

#include <string>

#include "platform/win_types.h"

// Non-zero results mean the key (or value) is missing.
LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, DWORD access, HKEY* result);
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegCloseKey(HKEY key);

namespace platform {
// The hive file in use for HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
std::string hivePath(HKEY root);
}  // namespace platform
