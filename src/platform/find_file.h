// Directory listing with entry attributes, in the order the file system
// lists the entries (nothing is sorted). The pattern is a folder followed by
// "/*.*"; every entry of the folder matches it, "." and ".." included.
// Attributes: FILE_ATTRIBUTE_DIRECTORY for folders, _READONLY when the owner
// may not write, _HIDDEN when the name begins with ".", _REPARSE_POINT for a
// symbolic link, _NORMAL for a plain file with no other attribute.
#pragma once

#include "platform/win_types.h"

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    char cFileName[260];
};

struct FindHandle__;
typedef FindHandle__* HANDLE_FIND;
#define INVALID_FIND_HANDLE (static_cast<HANDLE_FIND>(nullptr))

HANDLE_FIND FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data);
BOOL FindNextFileA(HANDLE_FIND handle, WIN32_FIND_DATAA* data);
BOOL FindClose(HANDLE_FIND handle);
