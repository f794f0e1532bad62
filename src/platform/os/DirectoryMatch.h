// How the file functions of every back end recognise a path inside a given
// folder, however the wizard's joins spelled its separators.
#pragma once

#include <cstddef>
#include <string>

namespace os {

// Where the rest of `path` begins when `path` starts with `directory`,
// comparing any run of separators ('\' and '/' alike) in one with any run
// in the other; npos when it does not start so.
std::size_t MatchDirectory(const std::string& path, const std::string& directory);

}  // namespace os
