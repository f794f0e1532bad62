#include "platform/net/UrlServer.h"

#include <algorithm>
#include <cctype>

namespace net {

namespace {

std::string Lowered(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// The port a scheme uses when a URL names none; 0 for a scheme we do not know.
unsigned long DefaultPort(const std::string& scheme) {
    if (scheme == "http") return 80;
    if (scheme == "https") return 443;
    return 0;
}

}  // namespace

bool SplitServer(const std::string& url, std::string& scheme, std::string& server) {
    std::size_t separator = url.find("://");
    if (separator == std::string::npos) return false;
    scheme = Lowered(url.substr(0, separator));
    std::size_t begin = separator + 3;
    std::string authority = url.substr(begin, url.find_first_of("/?#", begin) - begin);
    std::size_t at = authority.rfind('@');
    if (at != std::string::npos) authority.erase(0, at + 1);
    std::size_t hostEnd = authority.rfind(':');
    // The colons of a bracketed IPv6 address are not a port's.
    if (hostEnd == std::string::npos || authority.find(']', hostEnd) != std::string::npos) {
        hostEnd = authority.size();
    }
    server = Lowered(authority.substr(0, hostEnd));
    std::string digits = authority.substr(std::min(hostEnd + 1, authority.size()));
    if (digits.empty()) return true;
    unsigned long port = 0;
    for (char ch : digits) {
        if (!std::isdigit(static_cast<unsigned char>(ch)) || port > 65535) return true;
        port = port * 10 + static_cast<unsigned long>(ch - '0');
    }
    if (port != DefaultPort(scheme)) server += ":" + std::to_string(port);
    return true;
}

}  // namespace net
