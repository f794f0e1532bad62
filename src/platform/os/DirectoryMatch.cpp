#include "platform/os/DirectoryMatch.h"

namespace os {

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

std::size_t SkipSeparators(const std::string& text, std::size_t at) {
    while (at < text.size() && IsSeparator(text[at])) ++at;
    return at;
}

}  // namespace

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

}  // namespace os
