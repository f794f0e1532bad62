// Where the running executable lies, as the system reports it, and the one
// point through which the module path reads it. Kept apart from
// ModulePath.h, whose names the Windows headers define as macros.
#pragma once

#include <string>

namespace os {

// The full path of the running executable (UTF-8 on Windows), however long:
// /proc/self/exe on POSIX, the module file name on Windows; "" when the
// system cannot tell.
std::string QueryExecutablePath();

// The executable's path that GetModuleFileName starts from: in the product
// the system's own (SystemEntries.cpp); test programs link a definition of
// their own that can place the executable in a folder of the test's.
std::string ExecutableLocation();

}  // namespace os
