#include "shell/data_dir.h"

#include <cstring>

#include "platform/data_store.h"
#include "platform/message_box.h"
#include "platform/registry.h"

// Initialised before every ordinary static object: the application object,
// constructed during static initialisation in another file, looks the data
// directory up in its constructor.
std::string DataDir __attribute__((init_priority(101)));

namespace {
const char* kSubKey = "Software\\Quillbrook\\Flurrydale";
}  // namespace

void LookUpDataDir() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSubKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        const LONG userKey = RegOpenKeyExA(HKEY_CURRENT_USER, kSubKey, 0, KEY_READ, &key);
        // Shown whenever the machine-wide key is missing, also when the
        // user's key has been found.
        MessageBoxA(nullptr, "HKEY_LOCAL_MACHINE Registry not found! Please reinstall Flurrydale Screen Saver",
                    "Error", MB_OK);
        if (userKey != ERROR_SUCCESS) {
            MessageBoxA(nullptr, "Registry not found! Please reinstall Flurrydale Screen Saver", "Error", MB_OK);
            return;
        }
    }
    char dir[512];
    DWORD size = sizeof dir;
    DWORD type = 0;
    const LONG read = RegQueryValueExA(key, "Dir", nullptr, &type, reinterpret_cast<BYTE*>(dir), &size);
    RegCloseKey(key);
    // A missing, empty or over-long value names no installation: DataDir
    // stays as it was, as when both keys are missing.
    if (read != ERROR_SUCCESS || size == 0) return;
    const std::size_t length = strnlen(dir, sizeof dir);
    if (length == 0 || length == sizeof dir) return;
    DataDir.assign(dir, length);
    DataDir += "/data/";
    // A data directory the user may not write to sends the saver's writes
    // to the user's own store.
    platform::setVirtualizedRoot(DataDir);
}
