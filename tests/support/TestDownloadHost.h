// The download routine pointed at a host of the test's own, with time-outs
// long enough for a loaded machine and short enough that a fault ends a
// test soon.
#pragma once

#include <string>

#include "download/DownloadHost.h"

namespace testing_support {

inline constexpr DownloadTimeouts kTestTimeouts{10000, 10000};

// Points the download routine at `hostAndPort` ("127.0.0.1:port") with `timeouts`.
void UseDownloadHost(const std::string& hostAndPort, DownloadTimeouts timeouts = kTestTimeouts);

}  // namespace testing_support
