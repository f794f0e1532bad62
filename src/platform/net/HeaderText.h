// Reading the header lines of a response.
#pragma once

#include <string>
#include <string_view>

namespace net {

// Whether `text` starts with `prefix`, ignoring the case of ASCII letters.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// For a "WWW-Authenticate:" header line with a Basic challenge: true, with
// the challenge's realm in `realm` ("" when it names none). False for any
// other line or scheme.
bool ParseBasicChallenge(std::string_view headerLine, std::string& realm);

}  // namespace net
