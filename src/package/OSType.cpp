#include "package/OSType.h"

#include "platform/os/VersionInfo.h"

std::atomic<int> g_nOSType{OSTYPE_AUTODETECT};

int GetOSType() {
    int chosen = g_nOSType.load();
    if (chosen != OSTYPE_AUTODETECT) return chosen;

    OSVERSIONINFO info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
    GetVersionEx(&info);
    switch (info.dwPlatformId) {
        case VER_PLATFORM_WIN32_NT:
            return OSTYPE_WINNT;
        case VER_PLATFORM_WIN32_WINDOWS:
            return OSTYPE_WIN9X;
        default:
            return OSTYPE_AUTODETECT;
    }
}

void SetOSType(int nType) {
    g_nOSType.store(nType);
}
