#include "platform/os/win32/WindowsVersion.h"

#include <windows.h>

#include "platform/os/win32/WideText.h"

namespace os {

std::optional<WindowsVersion> QueryWindowsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return std::nullopt;
    WindowsVersion version;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.platformId = info.dwPlatformId;
    version.servicePack = Utf8FromWide(info.szCSDVersion);
    return version;
}

}  // namespace os
