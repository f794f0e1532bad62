// What test programs make of the points where the operating-system services
// meet the system (src/platform/os/SystemEntries.cpp): each answers as the
// system does until a test asks for something else.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/os/ShellOpen.h"
#include "platform/os/VersionInfo.h"

namespace testing_support {

// Makes the module path `path` (tests place the executable's folder in a
// temporary one this way); "" restores the executable's own.
void PlaceExecutable(const std::string& path);
// Makes the version query report `platformId`; std::nullopt restores the system's.
void ReportPlatformId(std::optional<DWORD> platformId);
// Makes the next `count` thread starts fail, as when resources run out.
void FailThreadStarts(int count);
// Hands every shell open to `handler` instead of starting anything (a
// checked program's bytes are still checked first) and returns its result;
// an empty handler starts things for real again.
void HandleShellOpens(std::function<std::intptr_t(const os::ShellOpenCall&)> handler);

}  // namespace testing_support
