// The version numbers Windows reports for itself. Kept apart from
// VersionInfo.h, whose names the Windows headers define too.
#pragma once

#include <optional>
#include <string>

namespace os {

struct WindowsVersion {
    unsigned long major = 0;
    unsigned long minor = 0;
    unsigned long build = 0;
    unsigned long platformId = 0;
    std::string servicePack;  // UTF-8, "" when none
};

// What the system's version query reports; std::nullopt when it fails.
std::optional<WindowsVersion> QueryWindowsVersion();

}  // namespace os
