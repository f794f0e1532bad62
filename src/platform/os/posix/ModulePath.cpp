#include "platform/os/ModulePath.h"

#include "platform/os/ExecutablePath.h"

namespace os {

namespace {

// `path` with every backslash of its last component made '_'.
std::string WithPlainName(std::string path) {
    std::size_t slash = path.rfind('/');
    for (std::size_t at = slash == std::string::npos ? 0 : slash + 1; at < path.size(); ++at) {
        if (path[at] == '\\') path[at] = '_';
    }
    return path;
}

}  // namespace

std::string GetModuleFileName() {
    return WithPlainName(ExecutableLocation());
}

}  // namespace os
