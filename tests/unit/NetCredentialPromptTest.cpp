#include <gtest/gtest.h>

#include "platform/net/CredentialPrompt.h"

namespace {

TEST(NetCredentialPrompt, WithoutAPromptTheAnswerIsCancel) {
    net::SetCredentialPrompt({});
    net::Credentials credentials{"kept", "as is"};
    EXPECT_EQ(net::AskForCredentials({"host", "realm"}, credentials),
              net::CredentialAnswer::Cancel);
    EXPECT_EQ(credentials.userName, "kept");
}

TEST(NetCredentialPrompt, InstalledPromptAnswersAndFillsTheCredentials) {
    net::CredentialRequest seen;
    net::SetCredentialPrompt([&](const net::CredentialRequest& request, net::Credentials& c) {
        seen = request;
        c.userName = "anna";
        c.password = "pw";
        return net::CredentialAnswer::Retry;
    });
    net::Credentials credentials;
    EXPECT_EQ(net::AskForCredentials({"download.example:8080", "packages"}, credentials),
              net::CredentialAnswer::Retry);
    EXPECT_EQ(seen.host, "download.example:8080");
    EXPECT_EQ(seen.realm, "packages");
    EXPECT_EQ(credentials.userName, "anna");
    EXPECT_EQ(credentials.password, "pw");
    net::SetCredentialPrompt({});
}

TEST(NetCredentialPrompt, APromptMayReplaceItselfWhileAsking) {
    net::SetCredentialPrompt([](const net::CredentialRequest&, net::Credentials&) {
        net::SetCredentialPrompt({});
        return net::CredentialAnswer::Retry;
    });
    net::Credentials credentials;
    EXPECT_EQ(net::AskForCredentials({}, credentials), net::CredentialAnswer::Retry);
    EXPECT_EQ(net::AskForCredentials({}, credentials), net::CredentialAnswer::Cancel);
}

}  // namespace
