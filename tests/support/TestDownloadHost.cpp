#include "support/TestDownloadHost.h"

namespace testing_support {

void UseDownloadHost(const std::string& hostAndPort, DownloadTimeouts timeouts) {
    SetDownloadHostForTesting(hostAndPort.c_str(), timeouts);
}

}  // namespace testing_support
