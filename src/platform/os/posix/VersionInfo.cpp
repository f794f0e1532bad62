#include "platform/os/VersionInfo.h"

#include <sys/utsname.h>

#include <cstdio>
#include <cstring>

namespace {

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
    info->dwPlatformId = os::ReportedPlatformId(VER_PLATFORM_WIN32_NT);
    return TRUE;
}
