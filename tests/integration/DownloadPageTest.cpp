// The download page end to end: the Download button, the worker and poller
// threads, the progress dialog and the loopback download host.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "app/CredentialPromptHookup.h"
#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "integration/DownloadPageFixture.h"
#include "package/OSType.h"
#include "platform/os/Thread.h"
#include "platform/ui/CredentialDialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/TestHostBody.h"
#include "support/TestHostPorts.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using namespace testing_support;

using DownloadPageTest = DownloadPageFixture;

// A body that takes several polling periods to arrive.
HttpReply DrippedPackage(std::uint64_t size,
                         HttpReply::Framing framing = HttpReply::Framing::Length) {
    HttpReply reply = HttpReply::Ok(size);
    reply.framing = framing;
    reply.dripBytes = 8192;
    reply.dripIntervalMs = 25;
    return reply;
}

TEST_F(DownloadPageTest, FirstVisitWithoutThePackageOffersTheDownloadButton) {
    wizard->m_bManualDownload = TRUE;  // as after a visit of the browser route
    ShowPage();
    EXPECT_EQ(Message(), kProxyAdvice);
    EXPECT_EQ(Status(), kPending);
    EXPECT_EQ(Buttons(), "Back");
    EXPECT_TRUE(DownloadEnabled());
    EXPECT_EQ(wizard->m_bManualDownload, FALSE);
    EXPECT_EQ(host.RequestCount(), 0u);
}

TEST_F(DownloadPageTest, PackageAlreadyPresentOffersNextAtOnceWithoutADownload) {
    dir.Write(kNtPackage, "MZ already here");
    wizard->m_bManualDownload = TRUE;
    ShowPage();
    ExpectDoneState();
    EXPECT_EQ(wizard->m_bManualDownload, FALSE);
    EXPECT_EQ(host.RequestCount(), 0u);
    EXPECT_EQ(dir.Read(kNtPackage), "MZ already here");
}

TEST_F(DownloadPageTest, SuccessfulDownloadOffersNextOnceTheUserPressesOk) {
    constexpr std::uint64_t kSize = 300000;
    host.Serve("/vessamo-nten.exe", DrippedPackage(kSize));
    ShowPage();
    AnswerWhenComplete([&](ui::Window&) {
        // Complete means every byte has arrived.
        EXPECT_TRUE(DownloadedInFull(kSize));
        EXPECT_FALSE(wizard->GetModelWindow()->IsEnabled());  // the wizard waits beneath
    });
    PressDownload();

    ExpectDoneState();
    EXPECT_EQ(Page().m_strMessage, kReady);
    EXPECT_EQ(Page().m_strStatus, kDone);
    EXPECT_TRUE(FileHoldsPattern(PackagePath(), kSize));
    EXPECT_EQ(IsCancelled(), FALSE);
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "/vessamo-nten.exe");
    EXPECT_GT(watch.samples, 0);
    EXPECT_EQ(env.Renderer().PendingActions(), 0u);
}

// OK is offered at 100 percent, but the worker has the last word: a failure
// it records after that (the file could not be closed, say) is not reported
// as a download.
TEST_F(DownloadPageTest, FailureRecordedAfterCompletionIsNotReportedAsSuccess) {
    host.Serve("/vessamo-nten.exe", HttpReply::Ok(20000));
    ShowPage();
    AnswerWhenComplete([](ui::Window&) { SetCancelled(TRUE); });
    PressDownload();
    ExpectFailedState("");
}

TEST_F(DownloadPageTest, CancelDeletesThePartialPackageAndTheNextDownloadStartsAfresh) {
    constexpr std::uint64_t kSize = 400000;
    std::atomic<int> filesAtSecondRequest{-1};
    HttpReply second = HttpReply::Ok(kSize);
    second.onRequest = [&] { filesAtSecondRequest = dir.Exists(kNtPackage) ? 1 : 0; };
    host.Serve("/vessamo-nten.exe", {DrippedPackage(kSize), second});
    ShowPage();

    CancelWhen([] { return GetProgress() > 0 && GetProgress() < 100; });
    PressDownload();
    ExpectCancelledState();
    EXPECT_FALSE(dir.Exists(kNtPackage));

    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    EXPECT_EQ(filesAtSecondRequest.load(), 0);  // the partial file was gone before it began
    EXPECT_TRUE(FileHoldsPattern(PackagePath(), kSize));
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const RecordedRequest& request : requests) {
        EXPECT_EQ(request.target, "/vessamo-nten.exe");
        EXPECT_EQ(request.HeaderCount("Range"), 0);  // from byte 0, not resumed
    }
}

struct FailureCase {
    const char* name;
    std::function<void(DownloadPageFixture&, TestHost&)> arrange;
    const char* cause;
};

class DownloadPageFailureTest : public DownloadPageFixture,
                                public ::testing::WithParamInterface<FailureCase> {};

// A download that fails on its own closes the progress window without the
// user, says why in place of the cancelled text, offers Download again and
// leaves no file behind.
TEST_P(DownloadPageFailureTest, ProgressWindowClosesByItselfAndThePageSaysWhy) {
    GetParam().arrange(*this, host);
    if (IsSkipped()) return;
    ShowPage();
    PressDownload();
    EXPECT_EQ(env.Renderer().PendingActions(), 0u);
    ExpectFailedState(GetParam().cause);
    EXPECT_EQ(IsCancelled(), TRUE);
}

void ServeStatus(TestHost& host, const char* statusLine) {
    host.Serve("/vessamo-nten.exe", HttpReply::Text(statusLine, "<html>Oops</html>"));
}

INSTANTIATE_TEST_SUITE_P(
    Causes, DownloadPageFailureTest,
    ::testing::Values(FailureCase{"NotFound", [](DownloadPageFixture&, TestHost&) {},
                                  "the server answered 404 Not Found"},
                      FailureCase{"ServerReasonIsNotShown",
                                  [](DownloadPageFixture&, TestHost& host) {
                                      ServeStatus(host, "HTTP/1.1 503 Come back <b>later</b>");
                                  },
                                  "the server answered 503 Service Unavailable"},
                      FailureCase{"UnknownStatus",
                                  [](DownloadPageFixture&, TestHost& host) {
                                      ServeStatus(host, "HTTP/1.1 599 Whatever");
                                  },
                                  "the server answered status 599"},
                      FailureCase{"ConnectionBroke",
                                  [](DownloadPageFixture&, TestHost& host) {
                                      HttpReply reply = HttpReply::Ok(300000);
                                      reply.resetAt = 70000;
                                      host.Serve("/vessamo-nten.exe", reply);
                                  },
                                  "the connection to the download host broke"},
                      FailureCase{"NoHost",
                                  [](DownloadPageFixture&, TestHost&) {
                                      UseDownloadHost("127.0.0.1:" +
                                                      std::to_string(UnusedLoopbackPort()));
                                  },
                                  "cannot connect to the download host"},
                      FailureCase{"FolderNotWritable",
                                  [](DownloadPageFixture& fixture, TestHost& host) {
                                      host.Serve("/vessamo-nten.exe", HttpReply::Ok(5000));
                                      fixture.MakeFolderReadOnly();
                                  },
                                  "the folder cannot be written"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(DownloadPageTest, ServerWithoutALengthCompletesAtTheEndOfTheBody) {
    constexpr std::uint64_t kSize = 200000;
    host.Serve("/vessamo-nten.exe", DrippedPackage(kSize, HttpReply::Framing::Close));
    ShowPage();
    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    EXPECT_TRUE(FileHoldsPattern(PackagePath(), kSize));
}

// A cancel while the worker waits for the end of a body of unknown length
// (all bytes in, the connection still open) is not lost: the page does not
// wait forever, and the complete but unconfirmed file goes.
TEST_F(DownloadPageTest, CancelWhileTheLastReadWaitsIsNotLost) {
    constexpr std::uint64_t kSize = 50000;
    HttpReply reply = HttpReply::Ok(kSize);
    reply.framing = HttpReply::Framing::Close;
    reply.stallAt = kSize;
    host.Serve("/vessamo-nten.exe", reply);
    ShowPage();
    CancelWhen([this] { return FileSize(PartialFileIn(dir)) == static_cast<std::int64_t>(kSize); });
    PressDownload();
    ExpectCancelledState();
    EXPECT_FALSE(dir.Exists(kNtPackage));
    EXPECT_EQ(IsCancelled(), TRUE);
}

// A download broken off keeps its bytes, and the page says that Download
// continues it. The next press asks for the rest only, and its percentage
// goes on from the kept bytes. A cancel of that attempt gives the kept
// bytes up: the press after it starts from zero.
TEST_F(DownloadPageTest, BrokenDownloadContinuesAndACancelGivesItsBytesUp) {
    constexpr std::uint64_t kSize = 300000;
    HttpReply broken = HttpReply::Ok(kSize);
    broken.headers.push_back("ETag: \"v1\"");
    broken.resetAt = kSize / 2;
    host.Serve("/vessamo-nten.exe", broken);
    ShowPage();
    PressDownload();
    EXPECT_EQ(Message(), FailedText("the connection to the download host broke", true));
    const std::int64_t kept = FileSize(PartialFileIn(dir));
    ASSERT_GT(kept, 0);
    EXPECT_FALSE(dir.Exists(kNtPackage));

    HttpReply rest = HttpReply::Part(static_cast<std::uint64_t>(kept), kSize);
    rest.dripBytes = 8192;
    rest.dripIntervalMs = 50;
    host.Serve("/vessamo-nten.exe", {rest, HttpReply::Ok(kSize)});
    CancelWhen([&] {
        return GetProgress() >= 50 &&
               FileSize(PartialFileIn(dir)) < kept + static_cast<std::int64_t>(kSize / 4);
    });
    PressDownload();
    ExpectCancelledState();
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});

    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    EXPECT_TRUE(FileHoldsPattern(PackagePath(), kSize));
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].Header("Range"), "bytes=" + std::to_string(kept) + "-");
    EXPECT_EQ(requests[2].HeaderCount("Range"), 0);
}

TEST_F(DownloadPageTest, OtherFamilyChosenByHandIsTestedAndDownloadedInstead) {
    dir.Write(kNtPackage, "MZ nt");
    ShowPage();
    ExpectDoneState();

    LeavePage();
    SetOSType(OSTYPE_WIN9X);
    ShowPage();
    EXPECT_EQ(Message(), kReady);  // kept from before
    EXPECT_EQ(Status(), kPending);
    EXPECT_EQ(Buttons(), "Back");
    EXPECT_TRUE(DownloadEnabled());

    host.Serve("/vessamo-w9xen.exe", HttpReply::Ok(70000));
    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    EXPECT_TRUE(FileHoldsPattern(PackagePath(kW9xPackage), 70000));
    EXPECT_EQ(dir.Read(kNtPackage), "MZ nt");
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "/vessamo-w9xen.exe");
}

// What earlier transfers leave in the shared state must not reach a new
// download: the connectivity test leaves 100 percent, a cancelled attempt
// leaves the cancel flag set.
TEST_F(DownloadPageTest, LeftoversOfEarlierTransfersDoNotDecideANewDownload) {
    constexpr std::uint64_t kSize = 150000;
    host.Serve("/index.html", HttpReply::Ok(300));
    host.Serve("/vessamo-nten.exe", DrippedPackage(kSize));
    ShowPage();

    // The connectivity test of the operating-system page, as it runs.
    ASSERT_EQ(DownloadFile("index.html", dir.File("index.html").c_str()), TRUE);
    ASSERT_EQ(GetProgress(), 100);
    AnswerWhenComplete([&](ui::Window&) { EXPECT_TRUE(DownloadedInFull(kSize)); });
    PressDownload();
    ExpectDoneState();

    // A cancelled attempt, then a fresh one.
    ASSERT_TRUE(std::filesystem::remove(PackagePath()));
    LeavePage();
    ShowPage();
    CancelWhen([] { return GetProgress() > 0 && GetProgress() < 100; });
    PressDownload();
    ExpectCancelledState();
    ASSERT_EQ(IsCancelled(), TRUE);
    AnswerWhenComplete([&](ui::Window&) { EXPECT_TRUE(DownloadedInFull(kSize)); });
    PressDownload();
    ExpectDoneState();
}

TEST_F(DownloadPageTest, ThreadThatCannotStartFailsTheDownloadInsteadOfHanging) {
    host.Serve("/vessamo-nten.exe", HttpReply::Ok(1000));
    ShowPage();
    testing_support::FailThreadStarts(1);
    // The progress window sees the failure as it opens and closes by itself.
    PressDownload();
    ExpectFailedState("");
    EXPECT_EQ(host.RequestCount(), 0u);

    // Nothing of the failure stays behind.
    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    EXPECT_TRUE(FileHoldsPattern(PackagePath(), 1000));
}

struct CredentialCase {
    const char* name;
    bool answerOk;
};

class DownloadPageCredentialTest : public DownloadPageFixture,
                                   public ::testing::WithParamInterface<CredentialCase> {};

// A 401 brings the credential dialog up over the progress dialog; the
// user's answer reaches the worker.
TEST_P(DownloadPageCredentialTest, AnswerOfTheCredentialDialogReachesTheWorker) {
    const bool answerOk = GetParam().answerOk;
    InstallCredentialPrompt();
    HttpReply reply = HttpReply::Ok(90000);
    reply.auth = HostAuth{"Vessamo", "ann", "s3cret"};
    host.Serve("/vessamo-nten.exe", reply);
    ShowPage();

    bool asked = false;
    env.Renderer().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& credentials) {
        asked = true;
        const auto& open = ui::OpenTopLevelWindows();
        ASSERT_GE(open.size(), 2u);
        EXPECT_EQ(open.back(), &credentials);
        // Over the progress dialog, which is still open beneath it.
        ASSERT_NE(credentials.Parent(), nullptr);
        EXPECT_EQ(ui::TemplateKey(*credentials.Parent()), static_cast<UINT>(IDD_DOWNLOAD_PROGRESS));
        if (!answerOk) {
            EXPECT_TRUE(Click(credentials, IDCANCEL));
            return;
        }
        EXPECT_TRUE(ui::EditText(ControlOf(credentials, ui::IDC_CREDENTIAL_USER).Handle(), "ann"));
        EXPECT_TRUE(
            ui::EditText(ControlOf(credentials, ui::IDC_CREDENTIAL_PASSWORD).Handle(), "s3cret"));
        EXPECT_TRUE(Click(credentials, IDOK));
    });
    // Cancelled, the sign-in fails the download, and the progress window
    // closes by itself.
    if (answerOk) AnswerWhenComplete();
    PressDownload();

    EXPECT_TRUE(asked);
    auto requests = host.Requests();
    ASSERT_GE(requests.size(), 1u);
    EXPECT_EQ(requests[0].HeaderCount("Authorization"), 0);
    if (answerOk) {
        ExpectDoneState();
        EXPECT_TRUE(FileHoldsPattern(PackagePath(), 90000));
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[1].Header("Authorization"), BasicCredentials("ann", "s3cret"));
    } else {
        ExpectFailedState("the sign-in was cancelled");
        EXPECT_EQ(requests.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DownloadPageCredentialTest,
                         ::testing::Values(CredentialCase{"Ok", true},
                                           CredentialCase{"Cancel", false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

}  // namespace
