// The download routine pointed at a host of the test's own, with time-outs
// long enough for a loaded machine and short enough that a fault ends a
// test soon. Test programs answer GetDownloadHost and GetDownloadTimeouts
// here instead of with the product's built-in host.
#pragma once

#include <string>

#include "download/DownloadHost.h"

namespace testing_support {

inline constexpr DownloadTimeouts kTestTimeouts{10000, 10000};

// From now on the download host is `pszHost`, with `timeouts`; nullptr
// restores the host the product was built with and the session's time-outs.
void SetDownloadHost(LPCTSTR pszHost, DownloadTimeouts timeouts = {});
// Points the download routine at `hostAndPort` ("127.0.0.1:port") with `timeouts`.
void UseDownloadHost(const std::string& hostAndPort, DownloadTimeouts timeouts = kTestTimeouts);

}  // namespace testing_support
