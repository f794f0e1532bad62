#include "platform/os/NativePath.h"

#include "platform/os/ModulePath.h"

namespace os {

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

std::size_t SkipSeparators(const std::string& text, std::size_t at) {
    while (at < text.size() && IsSeparator(text[at])) ++at;
    return at;
}

// Where the rest of `path` begins when `path` starts with `directory` (a
// POSIX directory ending with '/'), comparing any run of separators in one
// with any run in the other; npos when it does not start so.
std::size_t MatchDirectory(const std::string& path, const std::string& directory) {
    std::size_t at = 0;
    std::size_t in = 0;
    while (in < directory.size()) {
        if (at >= path.size()) {
            // The directory itself, named without its final separator.
            return SkipSeparators(directory, in) == directory.size() ? at : std::string::npos;
        }
        bool pathSeparator = IsSeparator(path[at]);
        if (pathSeparator != IsSeparator(directory[in])) return std::string::npos;
        if (pathSeparator) {
            at = SkipSeparators(path, at);
            in = SkipSeparators(directory, in);
        } else if (path[at++] != directory[in++]) {
            return std::string::npos;
        }
    }
    return at;
}

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
