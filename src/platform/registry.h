// The registry stand-in: two hives, local machine and current user, each a
// small text file of sections and values:
//   [Software\Quillbrook\Flurrydale]
//   Dir=/path/of/the/installation
// Hive files: the local-machine hive of the installation the program belongs
// to (platform/install_layout.h; /etc/flurrydale/registry.ini for /usr) and
// ${XDG_CONFIG_HOME:-$HOME/.config}/flurrydale/registry.ini, or the files that
// FLURRYDALE_HKLM and FLURRYDALE_HKCU name. A hive file that is missing,
// unreadable or malformed reads as a missing key.
//
// Section and value names compare without regard to case, as registry keys
// do. Blank lines and lines starting with ";" or "#" are ignored; blanks
// around a value name and after "=" are ignored, the rest of the line is the
// value. A hive file is malformed when it holds a line that is none of
// these, a value before the first section, a NUL byte, or more than 64 KiB.
#pragma once

#include <string>

#include "platform/win_types.h"

enum : DWORD { REG_SZ = 1 };
enum : LONG { ERROR_INVALID_HANDLE = 6, ERROR_INVALID_PARAMETER = 87 };

// Non-zero results mean the key (or value) is missing. Only HKEY_LOCAL_MACHINE
// and HKEY_CURRENT_USER can be opened from; the key's values are read when it
// is opened.
LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, DWORD access, HKEY* result);
// Values are text (type REG_SZ) and are copied with their terminating null.
// Without data, *dataSize receives the size needed; with a buffer too small,
// the result is ERROR_MORE_DATA and *dataSize the size needed.
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegCloseKey(HKEY key);

namespace platform {
// The hive file in use for HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
std::string hivePath(HKEY root);
}  // namespace platform
