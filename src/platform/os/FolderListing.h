// The regular files directly inside a folder, for removing files of the
// program's own by name. Links (symbolic links, and on Windows every reparse
// point), folders and special files are neither listed nor removed, and no
// link is ever followed.
#pragma once

#include <string>
#include <vector>

namespace os {

// Names (UTF-8) of the regular files directly in native folder `directory`, in no
// particular order; empty when the folder cannot be read or is "".
std::vector<std::string> RegularFilesIn(const std::string& directory);

// Removes the entry `name` directly in `directory` when it is a regular
// file; true when it was removed. A link there is left alone, and its
// target is never touched.
bool RemoveRegularFileIn(const std::string& directory, const std::string& name);

}  // namespace os
