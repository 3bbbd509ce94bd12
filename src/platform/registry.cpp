#include "platform/registry.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/files.h"
#include "platform/install_layout.h"

namespace {

const std::size_t kMaxHiveBytes = 64 * 1024;

std::string lowered(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string trimmed(const std::string& s) {
    const char* blanks = " \t";
    std::size_t b = s.find_first_not_of(blanks);
    if (b == std::string::npos) return std::string();
    std::size_t e = s.find_last_not_of(blanks);
    return s.substr(b, e - b + 1);
}

// One hive file: section name (lower case) -> value name (lower case) -> text.
using Section = std::map<std::string, std::string>;
using Hive = std::map<std::string, Section>;

// False when the text is not a well-formed hive.
bool parseHive(const std::string& text, Hive& hive) {
    if (text.find('\0') != std::string::npos) return false;
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string t = trimmed(line);
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        if (t[0] == '[') {
            if (t.back() != ']' || t.size() < 3) return false;
            current = &hive[lowered(t.substr(1, t.size() - 2))];
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos || !current) return false;
        std::string name = trimmed(line.substr(0, eq));
        if (name.empty()) return false;
        std::size_t start = line.find_first_not_of(" \t", eq + 1);
        (*current)[lowered(name)] = start == std::string::npos ? std::string() : line.substr(start);
    }
    return true;
}

struct OpenKey {
    Section values;
};

// Keys handed out and not yet closed; a handle not in here is refused.
std::set<OpenKey*>& openKeys() {
    static std::set<OpenKey*> keys;
    return keys;
}

std::string envOrEmpty(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string homeFolder() {
    std::string home = envOrEmpty("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid()))
        if (pw->pw_dir) return pw->pw_dir;
    return std::string();
}

}  // namespace

namespace platform {

std::string hivePath(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE) {
        std::string named = envOrEmpty("FLURRYDALE_HKLM");
        return named.empty() ? defaultMachineHive() : named;
    }
    if (root == HKEY_CURRENT_USER) {
        std::string named = envOrEmpty("FLURRYDALE_HKCU");
        if (!named.empty()) return named;
        // A relative XDG_CONFIG_HOME is invalid and ignored, like an empty one.
        std::string config = envOrEmpty("XDG_CONFIG_HOME");
        if (config.empty() || config[0] != '/') {
            std::string home = homeFolder();
            if (home.empty()) return std::string();
            config = home + "/.config";
        }
        return config + "/flurrydale/registry.ini";
    }
    return std::string();
}

}  // namespace platform

LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD /*options*/, DWORD /*access*/,
                   HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (root != HKEY_LOCAL_MACHINE && root != HKEY_CURRENT_USER) return ERROR_INVALID_HANDLE;
    if (!subKey) return ERROR_INVALID_PARAMETER;
    std::string path = platform::hivePath(root);
    std::string text;
    if (path.empty() || platform::readWholeFile(path, text, kMaxHiveBytes) != platform::ReadResult::Ok)
        return ERROR_FILE_NOT_FOUND;
    Hive hive;
    if (!parseHive(text, hive)) return ERROR_FILE_NOT_FOUND;
    auto it = hive.find(lowered(subKey));
    if (it == hive.end()) return ERROR_FILE_NOT_FOUND;
    auto key = std::make_unique<OpenKey>();
    key->values = std::move(it->second);
    OpenKey* raw = key.release();
    openKeys().insert(raw);
    *result = reinterpret_cast<HKEY>(raw);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* /*reserved*/, DWORD* type,
                      BYTE* data, DWORD* dataSize) {
    OpenKey* open = reinterpret_cast<OpenKey*>(key);
    if (!openKeys().count(open)) return ERROR_INVALID_HANDLE;
    if (data && !dataSize) return ERROR_INVALID_PARAMETER;
    auto it = open->values.find(lowered(valueName ? valueName : ""));
    if (it == open->values.end()) return ERROR_FILE_NOT_FOUND;
    const std::string& value = it->second;
    const DWORD needed = static_cast<DWORD>(value.size() + 1);
    if (type) *type = REG_SZ;
    if (!data) {
        if (dataSize) *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (*dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, value.c_str(), needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    OpenKey* open = reinterpret_cast<OpenKey*>(key);
    if (!openKeys().erase(open)) return ERROR_INVALID_HANDLE;
    delete open;
    return ERROR_SUCCESS;
}
