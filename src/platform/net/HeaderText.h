// Reading the header lines of a response.
#pragma once

#include <string>
#include <string_view>

#include "platform/CString.h"

namespace net {

// Header names are compared with the platform's StartsWithNoCase.
using ::StartsWithNoCase;

// `text` without the blanks, tabs and line ends around it.
std::string_view Trimmed(std::string_view text);

// The value of `line` when it is the header `name` ("Name:"), trimmed;
// false for another header.
bool HeaderValue(std::string_view line, std::string_view name, std::string_view& value);

// For a "WWW-Authenticate:" header line: true, with the name of its
// (first) challenge's scheme as sent ("Basic", "Digest", ...) in `scheme`
// and the challenge's realm in `realm` ("" when it names none). False for
// any other line, or one that names no scheme.
bool ParseChallenge(std::string_view headerLine, std::string& scheme, std::string& realm);

}  // namespace net
