// The two file operations the pages use on the package path.
#pragma once

#include "platform/Types.h"

// TRUE for an existing file that can be opened without access rights;
// FALSE for a missing path and for a directory.
BOOL FileExists(LPCTSTR path);

// Deletes the file at `path`; TRUE when it was deleted.
BOOL DeleteLocalFile(LPCTSTR path);
