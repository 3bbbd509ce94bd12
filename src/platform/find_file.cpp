#include "platform/find_file.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/data_store.h"

// The listing is taken whole when it starts: for a data directory whose
// writes go to the user's own store, it holds the installed entries and the
// user's own ones side by side.
struct FindHandle__ {
    std::vector<platform::ListedEntry> entries;
    std::size_t next;
    std::string pattern;  // the part after the last "/"; "*.*" matches every name
};

namespace {

bool nameMatches(const std::string& pattern, const char* name) {
    if (pattern == "*.*" || pattern == "*") return true;
    return fnmatch(pattern.c_str(), name, 0) == 0;
}

DWORD attributesOf(const std::string& fullPath, const char* name) {
    DWORD attributes = 0;
    struct stat entry;
    if (fstatat(AT_FDCWD, fullPath.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) return FILE_ATTRIBUTE_NORMAL;
    struct stat target = entry;
    if (S_ISLNK(entry.st_mode)) {
        attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
        // The other attributes are those of what the link points at; a
        // dangling link is a reparse point alone.
        if (fstatat(AT_FDCWD, fullPath.c_str(), &target, 0) != 0) return attributes;
    }
    if (S_ISDIR(target.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    else if (!S_ISREG(target.st_mode))
        attributes |= FILE_ATTRIBUTE_SYSTEM;  // devices, pipes, sockets
    if (!(target.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
    if (name[0] == '.') attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// Fills data with the next matching entry; false at the end of the listing.
bool nextEntry(FindHandle__* handle, WIN32_FIND_DATAA* data) {
    while (handle->next < handle->entries.size()) {
        const platform::ListedEntry& e = handle->entries[handle->next++];
        if (!nameMatches(handle->pattern, e.name.c_str())) continue;
        if (e.name.size() >= sizeof data->cFileName) continue;  // cannot be named in the record
        std::memcpy(data->cFileName, e.name.c_str(), e.name.size() + 1);
        data->dwFileAttributes = attributesOf(e.fullPath, e.name.c_str());
        return true;
    }
    return false;
}

}  // namespace

HANDLE_FIND FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data) {
    if (!pattern || !data) return INVALID_FIND_HANDLE;
    std::string p = pattern;
    std::size_t slash = p.rfind('/');
    std::string folder = slash == std::string::npos ? "." : p.substr(0, slash);
    if (folder.empty()) folder = "/";
    std::vector<platform::ListedEntry> entries;
    if (!platform::mergedListing(folder, entries)) return INVALID_FIND_HANDLE;
    FindHandle__* handle =
        new FindHandle__{std::move(entries), 0, slash == std::string::npos ? p : p.substr(slash + 1)};
    if (!nextEntry(handle, data)) {
        FindClose(handle);
        return INVALID_FIND_HANDLE;
    }
    return handle;
}

BOOL FindNextFileA(HANDLE_FIND handle, WIN32_FIND_DATAA* data) {
    if (!handle || !data) return FALSE;
    return nextEntry(handle, data) ? TRUE : FALSE;
}

BOOL FindClose(HANDLE_FIND handle) {
    if (!handle) return FALSE;
    delete handle;
    return TRUE;
}
