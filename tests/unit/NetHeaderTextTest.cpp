#include <gtest/gtest.h>

#include <string>

#include "platform/net/HeaderText.h"

namespace {

struct Challenge {
    const char* line;
    const char* scheme;  // nullptr: not a challenge
    const char* realm;
};

TEST(NetHeaderText, ReadsTheSchemeAndRealmOfAChallenge) {
    for (Challenge c : {
             Challenge{"WWW-Authenticate: Basic realm=\"Vessamo packages\"\r\n", "Basic",
                       "Vessamo packages"},
             Challenge{"www-authenticate:basic REALM=\"x\"", "basic", "x"},
             Challenge{"WWW-Authenticate: Basic realm=plain, charset=\"UTF-8\"\r\n", "Basic",
                       "plain"},
             Challenge{"WWW-Authenticate: Basic charset=\"UTF-8\", realm=\"second\"", "Basic",
                       "second"},
             Challenge{"WWW-Authenticate: Basic realm=\"say \\\"hi\\\"\"", "Basic", "say \"hi\""},
             Challenge{"WWW-Authenticate: Basic\r\n", "Basic", ""},
             Challenge{"WWW-Authenticate: Digest nonce=\"1,2\", realm=\"x\"", "Digest", "x"},
             Challenge{"WWW-Authenticate: Basicly realm=\"x\"", "Basicly", "x"},
             Challenge{"WWW-Authenticate: NTLM", "NTLM", ""},
             Challenge{"WWW-Authenticate: Negotiate YIIBhgYGKwYBBQUCoIIBejCC", "Negotiate", ""},
             Challenge{"WWW-Authenticate: ", nullptr, ""},
             Challenge{"Proxy-Authenticate: Basic realm=\"x\"", nullptr, ""},
             Challenge{"Content-Length: 5", nullptr, ""},
         }) {
        std::string scheme = "unchanged";
        std::string realm = "unchanged";
        EXPECT_EQ(net::ParseChallenge(c.line, scheme, realm), c.scheme != nullptr) << c.line;
        if (c.scheme != nullptr) {
            EXPECT_EQ(scheme, c.scheme) << c.line;
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
