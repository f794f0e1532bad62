// The server of a URL, as the credential dialog names it and as typed
// credentials are filed under.
#include <gtest/gtest.h>

#include <string>

#include "platform/net/UrlServer.h"

namespace {

TEST(NetUrlServer, NamesThePortOnlyWhenItIsNotTheSchemesDefault) {
    struct Case {
        const char* url;
        const char* scheme;
        const char* server;
    } cases[] = {
        {"http://Example.TEST:80/index.html", "http", "example.test"},
        {"http://example.test/index.html", "http", "example.test"},
        {"HTTP://example.test:8080/a?b#c", "http", "example.test:8080"},
        {"https://example.test:443/", "https", "example.test"},
        {"https://example.test:80/", "https", "example.test:80"},
        {"http://example.test:0080", "http", "example.test"},
        {"http://[::1]:8080/x", "http", "[::1]:8080"},
        {"http://[2001:DB8::1]/x", "http", "[2001:db8::1]"},
        {"http://user:pw@127.0.0.1:81/x", "http", "127.0.0.1:81"},
    };
    for (const Case& c : cases) {
        std::string scheme, server;
        ASSERT_TRUE(net::SplitServer(c.url, scheme, server)) << c.url;
        EXPECT_EQ(scheme, c.scheme) << c.url;
        EXPECT_EQ(server, c.server) << c.url;
    }
    std::string scheme, server;
    EXPECT_FALSE(net::SplitServer("example.test/index.html", scheme, server));
}

}  // namespace
