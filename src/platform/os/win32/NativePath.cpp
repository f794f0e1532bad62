#include "platform/os/NativePath.h"

#include "platform/os/DirectoryMatch.h"
#include "platform/os/ModulePath.h"

namespace os {

namespace {

// The executable's directory with its final separator, "" when unknown.
std::string ModuleDirectory() {
    std::string module = GetModuleFileName();
    std::size_t separator = module.find_last_of("\\/");
    return separator == std::string::npos ? "" : module.substr(0, separator + 1);
}

std::string WithBackslashes(std::string text) {
    for (char& ch : text) {
        if (ch == '/') ch = '\\';
    }
    return text;
}

}  // namespace

std::string ToNativePath(const char* path) {
    std::string wizardPath = path ? path : "";
    std::string directory = ModuleDirectory();
    // Without it the wizard's paths would name the root of the current drive.
    if (directory.empty()) return "";
    // The wizard's joins collapse separator runs, which turns a network
    // folder ("\\server\share\") into one on the current drive; inside the
    // executable's folder the folder's own spelling is put back.
    std::size_t rest = MatchDirectory(wizardPath, directory);
    if (rest == std::string::npos) return WithBackslashes(wizardPath);
    return directory + WithBackslashes(wizardPath.substr(rest));
}

}  // namespace os
