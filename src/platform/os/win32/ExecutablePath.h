// The running executable's path as Windows reports it. Kept apart from
// ModulePath.h, whose names the Windows headers define as macros.
#pragma once

#include <string>

namespace os {

// The full path (UTF-8) of the running executable, however long; "" when
// the system cannot tell.
std::string QueryExecutablePath();

}  // namespace os
