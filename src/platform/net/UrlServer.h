// The server an absolute URL names, as the credential dialog shows it and
// as remembered credentials are filed under.
#pragma once

#include <string>

namespace net {

// For "scheme://[user@]host[:port]/...": the scheme in lower case, and the
// host in lower case (an IPv6 address in brackets) followed by ":port" when
// the port is not the scheme's default. False when `url` has no "://".
bool SplitServer(const std::string& url, std::string& scheme, std::string& server);

}  // namespace net
