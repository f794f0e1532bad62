// The wizard builds backslash-separated paths; a POSIX file system wants
// forward slashes, Windows takes them as they are. Every file function maps
// its path here, at the boundary, and nowhere else.
#pragma once

#include <string>

namespace os {

// The platform's own form of a path built with backslashes. A path inside
// the executable's own directory keeps that directory exactly as it is on
// disk, even where the wizard's joins changed its separators: a POSIX name
// holding a backslash ("/opt/back\slash/"), a Windows network folder's
// leading "\\". The path is taken to be there when it agrees with the
// directory's real path up to separators ('\' and '/' alike, runs of them
// counting as one). Elsewhere, and for the rest of the path, every
// separator becomes the platform's own ('/' on POSIX, '\' on Windows). ""
// (a path no file function opens) when the executable's directory cannot be
// read: a path built on an empty directory would name the root folder (of
// the current drive, on Windows) instead.
std::string ToNativePath(const char* path);

}  // namespace os
