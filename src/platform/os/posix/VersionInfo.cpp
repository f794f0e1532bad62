#include "platform/os/VersionInfo.h"

#include <sys/utsname.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

// A platform identifier above every real one means "no override".
constexpr std::int64_t kNoOverride = -1;
std::atomic<std::int64_t> g_platformOverride{kNoOverride};

// Kernel major and minor numbers stand in for the Windows version numbers.
void FillKernelVersion(OSVERSIONINFO* info) {
    utsname name{};
    if (uname(&name) != 0) return;
    unsigned major = 0, minor = 0;
    if (std::sscanf(name.release, "%u.%u", &major, &minor) == 2) {
        info->dwMajorVersion = major;
        info->dwMinorVersion = minor;
    }
}

}  // namespace

BOOL GetVersionEx(OSVERSIONINFO* info) {
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFO)) return FALSE;
    std::memset(reinterpret_cast<char*>(info) + sizeof(DWORD), 0,
                sizeof(OSVERSIONINFO) - sizeof(DWORD));
    FillKernelVersion(info);
    std::int64_t forced = g_platformOverride.load();
    info->dwPlatformId = forced == kNoOverride ? VER_PLATFORM_WIN32_NT : static_cast<DWORD>(forced);
    return TRUE;
}

namespace os {

void SetPlatformIdForTesting(std::optional<DWORD> platformId) {
    g_platformOverride.store(platformId ? static_cast<std::int64_t>(*platformId) : kNoOverride);
}

}  // namespace os
