// libcurl reads proxy settings from the environment; the wizard ignores them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "integration/DownloadFixture.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::HttpReply;
using testing_support::TestHost;

using DownloadRequest = DownloadFixture;

TEST_F(DownloadRequest, ConnectsDirectlyWhateverTheProxyVariablesSay) {
    TestHost proxy;
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "all_proxy"}) {
        setenv(name, proxy.Url("").c_str(), 1);
    }
    unsetenv("no_proxy");
    unsetenv("NO_PROXY");
    host.Serve("/index.html", HttpReply::Ok(10));
    EXPECT_EQ(Download("index.html", "index.html"), TRUE);
    EXPECT_EQ(host.RequestCount(), 1u);
    EXPECT_EQ(proxy.ConnectionCount(), 0);
}

}  // namespace
