// The separators of the platform's own paths, which is all that the back
// ends' path mapping (NativePath.cpp beside this header) differs in.
#pragma once

namespace os {

// The separator every mapped path is written with: '/' on POSIX, '\' on
// Windows.
extern const char kNativeSeparator;
// The characters that end a folder's name in the executable's own path:
// only '/' on POSIX, where '\' is an ordinary letter of a name; both on
// Windows.
extern const char* const kModuleSeparators;

}  // namespace os
