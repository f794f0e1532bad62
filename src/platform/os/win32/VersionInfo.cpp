#include "platform/os/VersionInfo.h"

#include <cstdint>
#include <cstring>

#include "platform/os/win32/WindowsVersion.h"

namespace {

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
    info->dwPlatformId = os::ReportedPlatformId(version->platformId);
    return TRUE;
}
