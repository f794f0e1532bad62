#include "platform/os/NativePath.h"

#include "platform/os/DirectoryMatch.h"
#include "platform/os/ModulePath.h"
#include "platform/os/PathSeparators.h"

namespace os {

namespace {

// The executable's directory with its final separator, "" when unknown.
std::string ModuleDirectory() {
    std::string module = GetModuleFileName();
    std::size_t separator = module.find_last_of(kModuleSeparators);
    return separator == std::string::npos ? "" : module.substr(0, separator + 1);
}

std::string WithNativeSeparators(std::string text) {
    for (char& ch : text) {
        if (ch == '\\' || ch == '/') ch = kNativeSeparator;
    }
    return text;
}

}  // namespace

std::string ToNativePath(const char* path) {
    std::string wizardPath = path ? path : "";
    std::string directory = ModuleDirectory();
    // Without it the wizard's paths would name the root folder (of the
    // current drive, on Windows).
    if (directory.empty()) return "";
    // The wizard's joins change the directory's own spelling: a POSIX name
    // holding a backslash, a Windows network folder's leading "\\" that
    // collapsing separator runs turns into one on the current drive. Inside
    // the executable's folder the folder's real spelling is put back.
    std::size_t rest = MatchDirectory(wizardPath, directory);
    if (rest == std::string::npos) return WithNativeSeparators(wizardPath);
    return directory + WithNativeSeparators(wizardPath.substr(rest));
}

}  // namespace os
