#include "platform/os/NativePath.h"

#include "platform/os/DirectoryMatch.h"
#include "platform/os/ModulePath.h"

namespace os {

namespace {

// The executable's directory with its final '/', "" when unknown.
std::string ModuleDirectory() {
    std::string module = GetModuleFileName();
    std::size_t slash = module.rfind('/');
    return slash == std::string::npos ? "" : module.substr(0, slash + 1);
}

std::string WithSlashes(std::string text) {
    for (char& ch : text) {
        if (ch == '\\') ch = '/';
    }
    return text;
}

}  // namespace

std::string ToNativePath(const char* path) {
    std::string windowsPath = path ? path : "";
    std::string directory = ModuleDirectory();
    // Without it the wizard's paths would name the root folder.
    if (directory.empty()) return "";
    std::size_t rest = MatchDirectory(windowsPath, directory);
    if (rest == std::string::npos) return WithSlashes(windowsPath);
    return directory + WithSlashes(windowsPath.substr(rest));
}

}  // namespace os
