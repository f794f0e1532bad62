// The operating-system version query: the system's own on Windows, where
// the 9x family is real (Wine's Windows 98 setting reports it too); on Linux
// the wizard always runs on the NT family.
#pragma once

#include "platform/Types.h"

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

// The 8-bit version structure; callers set dwOSVersionInfoSize to its size.
struct OSVERSIONINFO {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFO) == 148);

// Fills *info; FALSE when info is null, its size field is not 148, or the
// system's query fails.
BOOL GetVersionEx(OSVERSIONINFO* info);

namespace os {

// The platform identifier GetVersionEx reports on a system of `systemId`:
// in the product the system's own (SystemEntries.cpp); test programs link a
// definition of their own that can report any family.
DWORD ReportedPlatformId(DWORD systemId);

}  // namespace os
