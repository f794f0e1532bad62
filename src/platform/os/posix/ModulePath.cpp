#include "platform/os/ModulePath.h"

#include <unistd.h>

#include <mutex>
#include <vector>

namespace os {

namespace {

std::mutex g_overrideLock;
std::string g_override;

std::string ReadProcSelfExe() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "";
        if (static_cast<size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

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
    {
        std::lock_guard<std::mutex> lock(g_overrideLock);
        if (!g_override.empty()) return WithPlainName(g_override);
    }
    return WithPlainName(ReadProcSelfExe());
}

void SetModuleFileNameForTesting(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_overrideLock);
    g_override = path;
}

}  // namespace os
