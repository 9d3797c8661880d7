#include "PluginLocation.h"

#include <cstdlib>

#include <unistd.h>

namespace {

constexpr const char* kLibraryName = "libvelvaTon.so";

bool exists(const std::string& path) {
    return !path.empty() && access(path.c_str(), R_OK) == 0;
}

std::string executableFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "";
    path[length] = '\0';
    const std::string executable(path);
    const size_t slash = executable.rfind('/');
    return slash == std::string::npos ? "" : executable.substr(0, slash);
}

}  // namespace

std::string findPluginLibrary() {
    const char* chosen = std::getenv("VELVATON_PLUGIN");
    if (chosen && chosen[0] != '\0')
        return chosen;
    std::string beside = executableFolder() + "/" + kLibraryName;
    if (exists(beside))
        return beside;
    if (exists(VELVATON_PLUGIN_BUILD_PATH))
        return VELVATON_PLUGIN_BUILD_PATH;
    return "";
}
