// A download host that asks for credentials: the package answers 401 until
// the request carries them. The credential dialog appears over the progress
// window, the typed user name and password go out with the repeated request,
// and the download completes.
#include <gtest/gtest.h>

#include <filesystem>

#include "RouteWalk.h"
#include "support/TestHost.h"
#include "support/TestHostBody.h"

namespace {

using namespace e2e::route;
using e2e::WindowImage;
using testing_support::HostAuth;
using testing_support::HttpReply;
using testing_support::TestHost;

constexpr const char* kUser = "vessamo";
constexpr const char* kPassword = "s3cret-Pass";

TEST(AuthRoute, CredentialDialogAnswersTheHostAndTheDownloadCompletes) {
    if (DownloadPort() == 0) GTEST_SKIP() << "the build's download host is not a loopback host";
    TestHost host(DownloadPort());
    host.Serve("/index.html", HttpReply::Text("HTTP/1.1 200 OK", "<html>Vessamo</html>\n"));
    HttpReply package = HttpReply::Ok(300000);
    package.auth = HostAuth{"Vessamo downloads", kUser, kPassword};
    host.Serve("/vessamo-nten.exe", package);

    Traces traces;
    e2e::WizardRun run("auth-route", OptionsWith(traces));
    WindowImage downloadPage;
    std::string dialog;
    ASSERT_NO_FATAL_FAILURE(WalkToDownloadDialog(run, downloadPage, dialog));

    std::string credentials = run.Screen().WaitForWindow(kCredentialTitle, kStepWait);
    ASSERT_FALSE(credentials.empty()) << "no credential dialog after the 401";
    // Wait until it is drawn: its OK button, the default, has a label.
    ASSERT_FALSE(run.WaitForImage(credentials,
                                  [](const WindowImage& image) {
                                      return image.CountDark(0, 0, image.Width(), image.Height()) >
                                             100;
                                  })
                     .Empty());
    run.Screen().ScreenshotWindow(credentials, "4-credentials");

    // The user-name field has the focus; Tab moves to the password field,
    // Enter presses OK.
    run.Screen().Type(credentials, kUser);
    run.Screen().Keys(credentials, {"Tab"});
    run.Screen().Type(credentials, kPassword);
    run.Screen().ScreenshotWindow(credentials, "5-credentials-typed");
    run.Screen().Keys(credentials, {"Return"});
    ASSERT_TRUE(run.Screen().WaitForWindowGone(kCredentialTitle, kStepWait))
        << "Enter did not close the credential dialog";

    ASSERT_NO_FATAL_FAILURE(CompleteDownload(run, dialog, downloadPage));
    EXPECT_TRUE(testing_support::FileHoldsPattern(run.Folder().File(kPackageName), 300000));

    std::vector<testing_support::RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].target, "/vessamo-nten.exe");
    EXPECT_EQ(requests[1].HeaderCount("Authorization"), 0);
    EXPECT_EQ(requests[2].target, "/vessamo-nten.exe");
    EXPECT_EQ(requests[2].Header("Authorization"),
              testing_support::BasicCredentials(kUser, kPassword));

    // Cancel closes the wizard; the package goes with it.
    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(kStepWait), 0);
    EXPECT_FALSE(std::filesystem::exists(run.Folder().File(kPackageName)));
}

}  // namespace
