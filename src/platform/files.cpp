#include "platform/files.h"

#include "platform/data_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace platform {
namespace {

const char kTemporarySuffix[] = ".tmp";
const std::size_t kUniqueChars = 6;  // what mkstemp puts in place of XXXXXX
// Older than this, a temporary file of a save belongs to a process that was
// killed in the middle of it; younger ones may be another process's save in
// progress (the dialog and a saver can save at the same time).
const std::time_t kStaleSeconds = 60;

bool isTemporaryOf(const std::string& name, const std::string& base) {
    const std::string prefix = base + kTemporarySuffix;
    if (name.size() != prefix.size() + kUniqueChars || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

// Removes what earlier saves of target left behind when they were killed
// between making their temporary file and renaming it.
void removeStaleTemporaries(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, base)) continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_mtime + kStaleSeconds < now) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

}  // namespace

ReadResult readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    const std::string file = resolveForRead(path);
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ReadResult::CannotOpen;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return ReadResult::CannotOpen;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return ReadResult::TooLarge;
    }
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            out.clear();
            return ReadResult::CannotOpen;
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
        if (out.size() > maxBytes) {  // the file grew while we read it
            ::close(fd);
            out.clear();
            return ReadResult::TooLarge;
        }
    }
    ::close(fd);
    return ReadResult::Ok;
}

bool writeFileAtomically(const std::string& path, const std::string& data) {
    const std::string target = resolveForWrite(path);
    removeStaleTemporaries(target);
    std::string tmpl = target + kTemporarySuffix + "XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    const char* p = data.data();
    std::size_t left = data.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (ok) ok = ::fchmod(fd, 0644) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(name.data(), target.c_str()) == 0;
    if (!ok) ::unlink(name.data());
    return ok;
}

std::FILE* openForReading(const std::string& path) {
    return std::fopen(resolveForRead(path).c_str(), "rb");
}

bool fileReadable(const std::string& path) {
    // A folder opens for reading on Linux but holds nothing to read.
    struct stat st;
    std::string resolved = resolveForRead(path);
    if (::stat(resolved.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    std::FILE* f = std::fopen(resolved.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

}  // namespace platform
