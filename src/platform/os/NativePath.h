// The wizard builds backslash-separated paths; the file system wants forward
// slashes. Every file function maps its path here, at the boundary, and
// nowhere else.
#pragma once

#include <string>

namespace os {

// The POSIX form of a path built with backslashes. A path inside the
// executable's own directory keeps that directory exactly as it is on disk,
// even when its names hold backslashes ("/opt/back\slash/"): the path is
// taken to be there when it agrees with the directory's real path up to
// separators ('\' and '/' alike, runs of them counting as one). Elsewhere,
// and for the rest of the path, each backslash becomes '/'. "" (a path no
// file function opens) when the executable's directory cannot be read: a
// path built on an empty directory would name the root folder instead.
std::string ToNativePath(const char* path);

}  // namespace os
