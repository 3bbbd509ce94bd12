#include "platform/install_layout.h"

#include <unistd.h>

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

}  // namespace platform
