// The full path of the running executable: the module file-name query.
#pragma once

#include <string>

namespace os {

// The executable's absolute path in the platform's form (UTF-8 on Windows),
// or "" when it cannot be read. Unlike a 260-character buffer, a long path
// is returned whole rather than cut, so files never land in a wrong
// directory. On POSIX a backslash in the executable's own name, which the
// wizard's path helpers would take for a separator, reads as '_': only the
// directory counts, and it stays as it is (the file functions map it back,
// see NativePath.h).
std::string GetModuleFileName();

}  // namespace os
