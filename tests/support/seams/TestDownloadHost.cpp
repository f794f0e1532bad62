#include "support/seams/TestDownloadHost.h"

#include <mutex>
#include <optional>

namespace {

struct HostOverride {
    CString host;
    DownloadTimeouts timeouts;
};

std::mutex g_overrideLock;
std::optional<HostOverride> g_override;

}  // namespace

CString GetDownloadHost() {
    std::lock_guard<std::mutex> lock(g_overrideLock);
    return g_override ? g_override->host : CString(VESSAMO_DOWNLOAD_HOST);
}

DownloadTimeouts GetDownloadTimeouts() {
    std::lock_guard<std::mutex> lock(g_overrideLock);
    return g_override ? g_override->timeouts : DownloadTimeouts{};
}

namespace testing_support {

void SetDownloadHost(LPCTSTR pszHost, DownloadTimeouts timeouts) {
    std::lock_guard<std::mutex> lock(g_overrideLock);
    if (pszHost == nullptr) {
        g_override.reset();
    } else {
        g_override = HostOverride{pszHost, timeouts};
    }
}

void UseDownloadHost(const std::string& hostAndPort, DownloadTimeouts timeouts) {
    SetDownloadHost(hostAndPort.c_str(), timeouts);
}

}  // namespace testing_support
