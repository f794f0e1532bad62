#include <gtest/gtest.h>

#include <string>

#include "platform/net/HeaderText.h"

namespace {

struct Challenge {
    const char* line;
    bool basic;
    const char* realm;
};

TEST(NetHeaderText, ReadsTheRealmOfABasicChallenge) {
    for (Challenge c : {
             Challenge{"WWW-Authenticate: Basic realm=\"Vessamo packages\"\r\n", true,
                       "Vessamo packages"},
             Challenge{"www-authenticate:basic REALM=\"x\"", true, "x"},
             Challenge{"WWW-Authenticate: Basic realm=plain, charset=\"UTF-8\"\r\n", true, "plain"},
             Challenge{"WWW-Authenticate: Basic charset=\"UTF-8\", realm=\"second\"", true,
                       "second"},
             Challenge{"WWW-Authenticate: Basic realm=\"say \\\"hi\\\"\"", true, "say \"hi\""},
             Challenge{"WWW-Authenticate: Basic\r\n", true, ""},
             Challenge{"WWW-Authenticate: Digest realm=\"x\", nonce=\"1\"", false, ""},
             Challenge{"WWW-Authenticate: Basicly realm=\"x\"", false, ""},
             Challenge{"Proxy-Authenticate: Basic realm=\"x\"", false, ""},
             Challenge{"Content-Length: 5", false, ""},
         }) {
        std::string realm = "unchanged";
        EXPECT_EQ(net::ParseBasicChallenge(c.line, realm), c.basic) << c.line;
        if (c.basic) {
            EXPECT_EQ(realm, c.realm) << c.line;
        }
    }
}

TEST(NetHeaderText, ComparesPrefixesWithoutCase) {
    EXPECT_TRUE(net::StartsWithNoCase("location: /x", "Location:"));
    EXPECT_TRUE(net::StartsWithNoCase("LOCATION:", "Location:"));
    EXPECT_FALSE(net::StartsWithNoCase("Locatio", "Location:"));
    EXPECT_FALSE(net::StartsWithNoCase("Content-Location: /x", "Location:"));
}

}  // namespace
