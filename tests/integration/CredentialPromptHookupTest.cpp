// The wizard's own 401 hook: its credential dialog, behind the memory of
// what the user typed, as the connection test and the package download
// meet it one after the other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CredentialPromptHookup.h"
#include "integration/DownloadFixture.h"
#include "platform/ui/CredentialDialog.h"
#include "platform/ui/Input.h"
#include "support/TestHostBody.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::HostAuth;
using testing_support::BasicCredentials;
using testing_support::ControlOf;
using testing_support::FileHoldsPattern;
using testing_support::HttpReply;
using testing_support::TestHost;

class CredentialPromptHookup : public testing_support::DownloadFixture {
  protected:
    testing_support::UiTestEnvironment env;
};

TEST_F(CredentialPromptHookup, TheDialogAsksOncePerHostAndRealm) {
    HttpReply reply = HttpReply::Ok(3000);
    reply.auth = HostAuth{"Vessamo", "ann", "s3cret"};
    host.Serve("/index.html", reply);
    host.Serve("/vessamo-nten.exe", reply);
    InstallCredentialPrompt();
    std::vector<std::string> prompts;
    env.Renderer().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& dialog) {
        prompts.push_back(ControlOf(dialog, ui::IDC_CREDENTIAL_PROMPT).Text().str());
        EXPECT_TRUE(ui::EditText(ControlOf(dialog, ui::IDC_CREDENTIAL_USER).Handle(), "ann"));
        EXPECT_TRUE(
            ui::EditText(ControlOf(dialog, ui::IDC_CREDENTIAL_PASSWORD).Handle(), "s3cret"));
        EXPECT_TRUE(testing_support::Click(dialog, IDOK));
    });
    env.Renderer().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& dialog) {
        prompts.push_back(ControlOf(dialog, ui::IDC_CREDENTIAL_PROMPT).Text().str());
        EXPECT_TRUE(testing_support::Click(dialog, IDCANCEL));
    });
    ASSERT_EQ(Download("index.html", "index.html"), TRUE);
    ASSERT_EQ(Download("vessamo-nten.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 3000));
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_NE(prompts[0].find(host.HostAndPort()), std::string::npos);
    EXPECT_EQ(host.Requests().back().Header("Authorization"), BasicCredentials("ann", "s3cret"));

    // Another host with the same realm, reached by a redirect, asks for itself.
    TestHost mirror;
    mirror.Serve("/mirror.exe", reply);
    host.Serve("/moved.exe", HttpReply::Redirect(302, mirror.Url("/mirror.exe")));
    EXPECT_EQ(Download("moved.exe", "moved.exe"), FALSE);
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_NE(prompts[1].find(mirror.HostAndPort()), std::string::npos);
    ASSERT_EQ(mirror.RequestCount(), 1u);
    EXPECT_EQ(mirror.Requests()[0].HeaderCount("Authorization"), 0);
}

}  // namespace
