// The wizard builds backslash-separated paths; the file system wants forward
// slashes. Every file function maps its path here, at the boundary, and
// nowhere else.
#pragma once

#include <string>

namespace os {

// The POSIX form of a path built with backslashes: each backslash becomes '/'.
std::string ToPosixPath(const char* path);

}  // namespace os
