#include "platform/os/VersionInfo.h"

#include <atomic>
#include <cstdint>
#include <cstring>

#include "platform/os/win32/WindowsVersion.h"

namespace {

// A platform identifier above every real one means "no override".
constexpr std::int64_t kNoOverride = -1;
std::atomic<std::int64_t> g_platformOverride{kNoOverride};

// Copies `text` into `field` whole characters at a time, always terminated.
void CopyText(const std::string& text, char (&field)[128]) {
    std::size_t length = text.size() < sizeof field ? text.size() : sizeof field - 1;
    // A cut never splits a UTF-8 sequence: continuation bytes go with it.
    while (length > 0 && length < text.size() && (text[length] & 0xC0) == 0x80) --length;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

}  // namespace

BOOL GetVersionEx(OSVERSIONINFO* info) {
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFO)) return FALSE;
    std::optional<os::WindowsVersion> version = os::QueryWindowsVersion();
    if (!version) return FALSE;
    std::memset(reinterpret_cast<char*>(info) + sizeof(DWORD), 0,
                sizeof(OSVERSIONINFO) - sizeof(DWORD));
    info->dwMajorVersion = version->major;
    info->dwMinorVersion = version->minor;
    info->dwBuildNumber = version->build;
    CopyText(version->servicePack, info->szCSDVersion);
    std::int64_t forced = g_platformOverride.load();
    info->dwPlatformId = forced == kNoOverride ? version->platformId : static_cast<DWORD>(forced);
    return TRUE;
}

namespace os {

void SetPlatformIdForTesting(std::optional<DWORD> platformId) {
    g_platformOverride.store(platformId ? static_cast<std::int64_t>(*platformId) : kNoOverride);
}

}  // namespace os
