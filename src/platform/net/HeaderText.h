// Reading the header lines of a response.
#pragma once

#include <string>
#include <string_view>

#include "platform/CString.h"

namespace net {

// Header names are compared with the platform's StartsWithNoCase.
using ::StartsWithNoCase;

// For a "WWW-Authenticate:" header line with a Basic challenge: true, with
// the challenge's realm in `realm` ("" when it names none). False for any
// other line or scheme.
bool ParseBasicChallenge(std::string_view headerLine, std::string& realm);

}  // namespace net
