#include "platform/install_layout.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {

std::string machineHiveForProgram(const std::string& programPath) {
    std::size_t nameStart = programPath.rfind('/');
    if (nameStart == std::string::npos || nameStart + 1 == programPath.size()) return std::string();
    std::string folder = programPath.substr(0, nameStart);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::size_t binStart = folder.rfind('/');
    if (binStart == std::string::npos || folder.compare(binStart + 1, std::string::npos, "bin") != 0)
        return std::string();
    std::string prefix = folder.substr(0, binStart);
    while (!prefix.empty() && prefix.back() == '/') prefix.pop_back();
    std::string sysconf = prefix.empty() || prefix == "/usr" ? "/etc" : prefix + "/etc";
    return sysconf + "/flurrydale/registry.ini";
}

std::string defaultMachineHive() {
    std::vector<char> buf(4096);
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n > 0) {
        std::string hive = machineHiveForProgram(std::string(buf.data(), static_cast<std::size_t>(n)));
        if (!hive.empty() && ::access(hive.c_str(), R_OK) == 0) return hive;
    }
    return "/etc/flurrydale/registry.ini";
}

std::string installedHelpPage(const std::string& dataDir, const std::string& page) {
    if (dataDir.empty() || page.empty()) return std::string();
    std::string candidate = dataDir + "/../../doc/flurrydale/" + page;
    char resolved[PATH_MAX];
    if (!::realpath(candidate.c_str(), resolved) || ::access(resolved, R_OK) != 0) return std::string();
    // Characters other than these are percent-encoded in the address.
    static const char kPlain[] = "-._~/!$&'()*+,;=:@";
    std::string url = "file://";
    for (const char* p = resolved; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            (c != 0 && std::strchr(kPlain, c))) {
            url += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            url += hex;
        }
    }
    return url;
}

}  // namespace platform
