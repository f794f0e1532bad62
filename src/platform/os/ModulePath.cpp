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

}  // namespace

std::string GetModuleFileName() {
    {
        std::lock_guard<std::mutex> lock(g_overrideLock);
        if (!g_override.empty()) return g_override;
    }
    return ReadProcSelfExe();
}

void SetModuleFileNameForTesting(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_overrideLock);
    g_override = path;
}

}  // namespace os
