#include <string_view>

#include "download/DownloadHost.h"

namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";

bool ParsePort(const CString& text, INTERNET_PORT& nPort) {
    if (text.IsEmpty() || text.GetLength() > 5) return false;
    unsigned value = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        char ch = text.GetAt(i);
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + static_cast<unsigned>(ch - '0');
    }
    if (value == 0 || value > 65535) return false;
    nPort = static_cast<INTERNET_PORT>(value);
    return true;
}

// Takes an "https://" or "http://" prefix (in any case) off `strHost` into
// `strRest`; `bSecure` tells whether it was https.
void SplitScheme(const CString& strHost, CString& strRest, BOOL& bSecure) {
    bSecure = StartsWithNoCase(strHost.str(), kHttps) ? TRUE : FALSE;
    if (bSecure) {
        strRest = strHost.Mid(static_cast<int>(kHttps.size()));
    } else if (StartsWithNoCase(strHost.str(), kHttp)) {
        strRest = strHost.Mid(static_cast<int>(kHttp.size()));
    } else {
        strRest = strHost;
    }
}

}  // namespace

BOOL SplitHostAndPort(const CString& strHost, CString& strServer, INTERNET_PORT& nPort) {
    strServer = strHost;
    nPort = INTERNET_INVALID_PORT_NUMBER;
    CString name = strHost;
    CString rest;
    if (strHost.GetLength() > 0 && strHost.GetAt(0) == '[') {
        int close = strHost.Find(']');
        if (close < 0) return FALSE;
        name = strHost.Mid(1, close - 1);
        rest = strHost.Mid(close + 1);
        if (!rest.IsEmpty() && rest.GetAt(0) != ':') return FALSE;
    } else {
        int colon = strHost.Find(':');
        // Two colons or more: an IPv6 address without a port.
        if (colon >= 0 && strHost.Find(':', colon + 1) < 0) {
            name = strHost.Left(colon);
            rest = strHost.Mid(colon);
        }
    }
    INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER;
    if (!rest.IsEmpty() && !ParsePort(rest.Mid(1), port)) return FALSE;
    strServer = name;
    nPort = port;
    return TRUE;
}

void GetDownloadServer(CString& strServer, INTERNET_PORT& nPort, BOOL& bSecure) {
    CString strRest;
    SplitScheme(GetDownloadHost(), strRest, bSecure);
    SplitHostAndPort(strRest, strServer, nPort);
    // The connection's default port is the http one; https names its own.
    if (bSecure && nPort == INTERNET_INVALID_PORT_NUMBER) nPort = INTERNET_DEFAULT_HTTPS_PORT;
}

CString GetDownloadAddress() {
    CString strRest;
    BOOL bSecure = FALSE;
    SplitScheme(GetDownloadHost(), strRest, bSecure);
    return CString(bSecure ? kHttps : kHttp) + strRest;
}
