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

// Where the rest of `path` begins when `path` starts with `directory`,
// comparing any run of separators in one with any run in the other; npos
// when it does not start so.
std::size_t MatchDirectory(const std::string& path, const std::string& directory) {
    std::size_t at = 0;
    std::size_t in = 0;
    while (in < directory.size()) {
        if (at >= path.size()) {
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
