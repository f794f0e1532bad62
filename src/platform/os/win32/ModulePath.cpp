#include "platform/os/ModulePath.h"

#include <mutex>

#include "platform/os/win32/ExecutablePath.h"

namespace os {

namespace {

std::mutex g_overrideLock;
std::string g_override;

}  // namespace

std::string GetModuleFileName() {
    {
        std::lock_guard<std::mutex> lock(g_overrideLock);
        if (!g_override.empty()) return g_override;
    }
    return QueryExecutablePath();
}

void SetModuleFileNameForTesting(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_overrideLock);
    g_override = path;
}

}  // namespace os
