// The per-user store of a read-only installation.
//
// The saver writes its settings and its scene list into the data directory.
// A system-wide installation's data directory belongs to root, so for every
// other user the writes there are sent to a folder of their own,
// ${XDG_DATA_HOME:-$HOME/.local/share}/flurrydale/, at the same relative
// path; reads prefer the user's copy when there is one, and a listing of a
// folder of the data directory shows the user's own entries beside the
// installed ones. So every user keeps their own settings and scene list and
// can add scenes without root. When the data directory is writable nothing
// is redirected.
//
// Paths are mapped by their text: a path lies in the data directory when,
// after folding repeated "/", "." and "..", it begins with the data
// directory's own components. Paths elsewhere are returned unchanged.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Called once the data directory is known (every lookup may call it again).
// Redirects when dataDir is an existing folder that this process may not
// create files in and a user store location is known; otherwise turns
// redirection off. An empty dataDir turns it off.
void setVirtualizedRoot(const std::string& dataDir);

// The same with both decisions taken by the caller: userStore stands in for
// dataDir when redirect is true.
void setVirtualizedRoot(const std::string& dataDir, const std::string& userStore, bool redirect);

// The user store in force, ending with "/"; empty when nothing is redirected.
std::string activeUserStore();

// ${XDG_DATA_HOME:-$HOME/.local/share}/flurrydale/ for the given values (an
// XDG_DATA_HOME that is empty or relative is ignored, as the XDG rules say);
// empty when neither gives an absolute folder.
std::string userStoreFor(const char* xdgDataHome, const char* home);
// The same for this process's environment.
std::string userStoreFromEnvironment();

// True when dir is an existing folder in which this process may create files.
bool folderWritable(const std::string& dir);

// The file to read for path: the user's copy when redirection is on, the
// path lies in the data directory and the copy exists; else path itself.
std::string resolveForRead(const std::string& path);

// The file to write for path: the user's copy (its parent folders are made
// as needed) when redirection is on and the path lies in the data
// directory; else path itself.
std::string resolveForWrite(const std::string& path);

struct ListedEntry {
    std::string name;      // the entry's name as the file system gives it
    std::string fullPath;  // where the entry lies, for reading its attributes
};

// Lists a folder's entries in the file system's order, "." and ".."
// included. For a folder of a redirected data directory the entries of the
// user's counterpart follow, except "." and ".."; a name present in both is
// listed once, at the installed entry's place, with the user's copy as its
// full path (reads prefer it). Returns false, with no entries, when neither
// folder can be opened.
bool mergedListing(const std::string& folder, std::vector<ListedEntry>& entries);

}  // namespace platform
