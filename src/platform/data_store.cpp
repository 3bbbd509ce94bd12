#include "platform/data_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <unordered_map>

namespace platform {
namespace {

struct StoreState {
    std::vector<std::string> dataDirParts;  // the data directory, folded
    bool dataDirAbsolute = false;
    std::string userStore;  // ends with "/"; empty when not redirecting
};

StoreState& state() {
    static StoreState s;
    return s;
}

struct FoldedPath {
    bool absolute = false;
    std::vector<std::string> parts;
};

// Splits a path into its components, dropping empty and "." ones and folding
// ".." into the component before it. ".." at the root of an absolute path
// stays at the root; leading ".." of a relative path are kept.
FoldedPath fold(const std::string& path) {
    FoldedPath f;
    f.absolute = !path.empty() && path[0] == '/';
    std::size_t i = 0;
    while (i <= path.size()) {
        std::size_t end = path.find('/', i);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(i, end - i);
        i = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!f.parts.empty() && f.parts.back() != "..")
                f.parts.pop_back();
            else if (!f.absolute)
                f.parts.push_back(part);
            continue;
        }
        f.parts.push_back(part);
    }
    return f;
}

// The user's counterpart of path, or empty when nothing is redirected or the
// path does not lie strictly inside the data directory.
std::string counterpart(const std::string& path) {
    const StoreState& s = state();
    if (s.userStore.empty()) return std::string();
    FoldedPath f = fold(path);
    if (f.absolute != s.dataDirAbsolute || f.parts.size() <= s.dataDirParts.size())
        return std::string();
    for (std::size_t i = 0; i < s.dataDirParts.size(); ++i)
        if (f.parts[i] != s.dataDirParts[i]) return std::string();
    std::string mapped = s.userStore;
    for (std::size_t i = s.dataDirParts.size(); i < f.parts.size(); ++i) {
        if (i > s.dataDirParts.size()) mapped += '/';
        mapped += f.parts[i];
    }
    return mapped;
}

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Makes every missing folder of path (which ends with the folder itself).
void makeFolders(const std::string& path) {
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            std::string prefix = path.substr(0, i);
            if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return;
        }
    }
}

std::string withSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

// Appends the entries of folder; false when it cannot be opened.
bool listFolder(const std::string& folder, std::vector<ListedEntry>& entries) {
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return false;
    std::string base = withSlash(folder);
    while (struct dirent* e = ::readdir(d)) entries.push_back({e->d_name, base + e->d_name});
    ::closedir(d);
    return true;
}

}  // namespace

void setVirtualizedRoot(const std::string& dataDir, const std::string& userStore, bool redirect) {
    StoreState& s = state();
    FoldedPath f = fold(dataDir);
    s.dataDirParts = f.parts;
    s.dataDirAbsolute = f.absolute;
    s.userStore = redirect && !dataDir.empty() ? withSlash(userStore) : std::string();
}

void setVirtualizedRoot(const std::string& dataDir) {
    struct stat st;
    bool isFolder = !dataDir.empty() && ::stat(dataDir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    std::string store = userStoreFromEnvironment();
    // A missing data directory is a broken installation, not a read-only
    // one: its files are reported missing rather than quietly made per user.
    bool redirect = isFolder && !folderWritable(dataDir) && !store.empty();
    setVirtualizedRoot(dataDir, store, redirect);
}

std::string activeUserStore() { return state().userStore; }

std::string userStoreFor(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && xdgDataHome[0] == '/') return withSlash(xdgDataHome) + "flurrydale/";
    if (home && home[0] == '/') return withSlash(home) + ".local/share/flurrydale/";
    return std::string();
}

std::string userStoreFromEnvironment() {
    return userStoreFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

bool folderWritable(const std::string& dir) {
    struct stat st;
    if (dir.empty() || ::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // The effective ids decide, as they do for the writes themselves.
    return ::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string resolveForRead(const std::string& path) {
    std::string mapped = counterpart(path);
    return !mapped.empty() && exists(mapped) ? mapped : path;
}

std::string resolveForWrite(const std::string& path) {
    std::string mapped = counterpart(path);
    if (mapped.empty()) return path;
    std::size_t slash = mapped.rfind('/');
    if (slash != std::string::npos && slash > 0) makeFolders(mapped.substr(0, slash));
    return mapped;
}

bool mergedListing(const std::string& folder, std::vector<ListedEntry>& entries) {
    entries.clear();
    bool installed = listFolder(folder, entries);
    std::string userFolder;
    const StoreState& s = state();
    FoldedPath f = fold(folder);
    if (!s.userStore.empty() && f.absolute == s.dataDirAbsolute && f.parts == s.dataDirParts)
        userFolder = s.userStore;
    else
        userFolder = counterpart(folder);
    if (userFolder.empty()) return installed;

    std::vector<ListedEntry> own;
    bool user = listFolder(userFolder, own);
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < entries.size(); ++i) index.emplace(entries[i].name, i);
    for (ListedEntry& e : own) {
        if (e.name == "." || e.name == "..") continue;
        auto it = index.find(e.name);
        if (it != index.end())
            entries[it->second].fullPath = e.fullPath;
        else
            entries.push_back(std::move(e));
    }
    return installed || user;
}

}  // namespace platform
