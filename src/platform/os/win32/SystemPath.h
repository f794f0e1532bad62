// The form in which a native path (see NativePath.h) reaches the Windows
// wide-character file functions.
#pragma once

#include <string>

namespace os {

// `nativePath` (UTF-8, backslashes) as UTF-16. An absolute path too long
// for the classic 260-character limit gets the "\\?\" prefix, which lifts
// it, so a long module folder works as well as a short one.
std::wstring SystemPath(const std::string& nativePath);

}  // namespace os
