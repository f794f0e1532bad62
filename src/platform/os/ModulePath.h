// The full path of the running executable, standing in for the module
// file-name query of the original platform.
#pragma once

#include <string>

namespace os {

// The executable's absolute POSIX path, or "" when it cannot be read.
// Unlike the 260-character buffer of the original query, a long path is
// returned whole rather than cut, so files never land in a wrong directory.
std::string GetModuleFileName();

// Makes GetModuleFileName report `path` instead (tests place the executable's
// directory in a temporary folder this way); an empty path restores the truth.
void SetModuleFileNameForTesting(const std::string& path);

}  // namespace os
