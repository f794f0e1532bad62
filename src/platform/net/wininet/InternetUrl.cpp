#include "InternetUrl.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

namespace net {

bool SplitInternetUrl(const std::string& url, InternetAddress& address) {
    char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = {};
    std::vector<char> path(url.size() + 2);
    std::vector<char> extra(url.size() + 2);
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
        return false;
    }
    if (host[0] == '\0') return false;
    address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    address.host = host;
    address.port = parts.nPort;
    address.path = std::string(path.data()) + extra.data();
    if (address.path.empty() || address.path[0] != '/') address.path.insert(0, "/");
    return true;
}

bool ResolveInternetUrl(const std::string& base, const std::string& location, std::string& url) {
    DWORD size = static_cast<DWORD>(base.size() + location.size() * 3 + 16);
    std::vector<char> combined(size);
    if (!InternetCombineUrlA(base.c_str(), location.c_str(), combined.data(), &size, 0)) {
        return false;
    }
    url.assign(combined.data(), size);
    return true;
}

}  // namespace net
