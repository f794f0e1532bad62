#include <gtest/gtest.h>

#include "download/DownloadHost.h"
#include "support/seams/TestDownloadHost.h"

namespace {

struct Split {
    const char* text;
    BOOL valid;
    const char* server;
    INTERNET_PORT port;
};

TEST(DownloadHost, SplitsNameAndPort) {
    for (Split s : {
             Split{"download.korvane.example", TRUE, "download.korvane.example", 0},
             Split{"download.korvane.example:8080", TRUE, "download.korvane.example", 8080},
             Split{"127.0.0.1:1", TRUE, "127.0.0.1", 1},
             Split{"127.0.0.1:65535", TRUE, "127.0.0.1", 65535},
             Split{"[::1]", TRUE, "::1", 0},
             Split{"[::1]:8080", TRUE, "::1", 8080},
             Split{"fe80::1", TRUE, "fe80::1", 0},
             Split{"host:0", FALSE, "host:0", 0},
             Split{"host:65536", FALSE, "host:65536", 0},
             Split{"host:80x", FALSE, "host:80x", 0},
             Split{"host:", FALSE, "host:", 0},
             Split{"[::1", FALSE, "[::1", 0},
             Split{"[::1]x", FALSE, "[::1]x", 0},
         }) {
        CString server = "unchanged";
        INTERNET_PORT port = 1234;
        EXPECT_EQ(SplitHostAndPort(s.text, server, port), s.valid) << s.text;
        EXPECT_EQ(server, s.server) << s.text;
        EXPECT_EQ(port, s.port) << s.text;
    }
}

TEST(DownloadHost, SchemePrefixChoosesHttpsAndItsDefaultPort) {
    struct Case {
        const char* host;
        const char* server;
        INTERNET_PORT port;
        BOOL secure;
        const char* address;
    } const cases[] = {
        {"download.korvane.example", "download.korvane.example", 0, FALSE,
         "http://download.korvane.example"},
        {"127.0.0.1:8080", "127.0.0.1", 8080, FALSE, "http://127.0.0.1:8080"},
        {"http://127.0.0.1:8080", "127.0.0.1", 8080, FALSE, "http://127.0.0.1:8080"},
        {"https://download.korvane.example", "download.korvane.example", 443, TRUE,
         "https://download.korvane.example"},
        {"https://127.0.0.1:8443", "127.0.0.1", 8443, TRUE, "https://127.0.0.1:8443"},
        {"HTTPS://Download.Example:80", "Download.Example", 80, TRUE,
         "https://Download.Example:80"},
        {"https://[::1]", "::1", 443, TRUE, "https://[::1]"},
        {"https://[::1]:8443", "::1", 8443, TRUE, "https://[::1]:8443"},
        // A host named like a scheme is still a host.
        {"https", "https", 0, FALSE, "http://https"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.host);
        testing_support::SetDownloadHost(c.host);
        CString server;
        INTERNET_PORT port = 1234;
        BOOL secure = -1;  // neither answer
        GetDownloadServer(server, port, secure);
        EXPECT_EQ(server, c.server);
        EXPECT_EQ(port, c.port);
        EXPECT_EQ(secure, c.secure);
        EXPECT_EQ(GetDownloadAddress(), c.address);
    }
    testing_support::SetDownloadHost(nullptr);
}

TEST(DownloadHost, TestSeamSetsHostAndTimeoutsAndRestoresTheBuiltInOnes) {
    CString builtIn = GetDownloadHost();
    EXPECT_FALSE(builtIn.IsEmpty());
    EXPECT_EQ(GetDownloadTimeouts().connectMs, 0u);
    EXPECT_EQ(GetDownloadTimeouts().receiveMs, 0u);

    testing_support::SetDownloadHost("127.0.0.1:4711", {300, 700});
    EXPECT_EQ(GetDownloadHost(), "127.0.0.1:4711");
    CString server;
    INTERNET_PORT port = 0;
    BOOL secure = TRUE;
    GetDownloadServer(server, port, secure);
    EXPECT_EQ(server, "127.0.0.1");
    EXPECT_EQ(port, 4711);
    EXPECT_EQ(secure, FALSE);
    EXPECT_EQ(GetDownloadTimeouts().connectMs, 300u);
    EXPECT_EQ(GetDownloadTimeouts().receiveMs, 700u);

    testing_support::SetDownloadHost(nullptr);
    EXPECT_EQ(GetDownloadHost(), builtIn);
    EXPECT_EQ(GetDownloadTimeouts().receiveMs, 0u);
}

}  // namespace
