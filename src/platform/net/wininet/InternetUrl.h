// Addresses as WinINet reads them: split into what a connection and a
// request need, and redirect targets resolved against the address they came from.
#pragma once

#include <cstdint>
#include <string>

namespace net {

// An absolute http or https address, split for WinINet.
struct InternetAddress {
    bool secure = false;
    std::string host;
    std::uint16_t port = 0;
    std::string path;  // with the query, "/" at least
};

// Splits `url`; false when it is not an http or https address.
bool SplitInternetUrl(const std::string& url, InternetAddress& address);
// `location` (absolute or relative) read against `base`; false when unusable.
bool ResolveInternetUrl(const std::string& base, const std::string& location, std::string& url);

}  // namespace net
