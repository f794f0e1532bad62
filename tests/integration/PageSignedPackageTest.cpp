// The download and completion pages of a build with the publisher's key:
// a package counts as present, and starts, only as the bytes this run
// verified.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "integration/DownloadPageFixture.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalLoop.h"
#include "support/SignedPackage.h"

namespace {

using testing_support::DownloadPageFixture;
using testing_support::HttpReply;

// The wizard as a build with the test publisher's key makes it.
class SignedWizard : public CInstallWizard {
  public:
    const crypto::PublicKey* GetPublisherKey() const override { return &m_key; }

  private:
    crypto::PublicKey m_key = testing_support::PublisherKey();
};

class PageSignedPackage : public DownloadPageFixture {
  protected:
    void SetUp() override {
        DownloadPageFixture::SetUp();
        wizard->DestroyWindow();
        wizard = std::make_unique<SignedWizard>();
        ASSERT_TRUE(wizard->Create());
        ui::PumpMessages();
        host.Serve("/vessamo-nten.exe.sig",
                   HttpReply::Text("HTTP/1.1 200 OK", testing_support::PublisherSignature()));
    }

    void ServePackage(const std::string& contents) {
        host.Serve("/vessamo-nten.exe", HttpReply::Text("HTTP/1.1 200 OK", contents));
    }
    // Puts `body` under the package's name in one step, as a new file.
    void ReplacePackage(const std::string& contents) {
        dir.Write("swap", contents);
        // std::filesystem replaces an existing file on Windows too.
        std::filesystem::rename(dir.File("swap"), PackagePath());
    }
    // Shows the completion page; returns what its message box said, if one came.
    std::string ShowCompletionPage() {
        std::string told;
        env.Renderer().WhenOpened(ui::IDD_MESSAGE_BOX, [&told](ui::Window& box) {
            told = testing_support::ControlOf(box, ui::IDC_MESSAGE_BOX_TEXT).Text().str();
            EXPECT_TRUE(testing_support::Click(box, IDOK));
        });
        EXPECT_TRUE(wizard->SetActivePage(wizard->FindPageByTemplate(IDD_WIZ_OUTRO)));
        ui::PumpMessages();
        return told;
    }

    const std::string body = testing_support::SignedBody();
};

TEST_F(PageSignedPackage, AVerifiedDownloadIsStartedAsTheBytesThatArrived) {
    ServePackage(body);
    ShowPage();
    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    EXPECT_EQ(dir.Read("vessamo-nten.exe"), body);
    EXPECT_EQ(ShowCompletionPage(), "");
    ASSERT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(shell.Calls()[0].file, "vessamo-nten.exe");
}

TEST_F(PageSignedPackage, AnUnsignedDownloadIsDeletedAndThePageSaysWhy) {
    std::string tampered = body;
    tampered[100] = '#';
    ServePackage(tampered);
    ShowPage();
    PressDownload();
    ExpectFailedState("it is not signed by the publisher, so it was deleted");
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
}

// A package found in the folder counts as present only when the host's
// signature verifies its bytes; otherwise the download is offered.
TEST_F(PageSignedPackage, APackagePresentAtStartCountsOnlyWhenItsSignatureVerifies) {
    const std::string tampered = body + "\n";
    for (const std::string* contents : {&body, &tampered}) {
        bool valid = contents == &body;
        SCOPED_TRACE(valid ? "valid" : "tampered");
        dir.Write("vessamo-nten.exe", *contents);
        ShowPage();
        EXPECT_EQ(Buttons(), valid ? "Back Next" : "Back");
        EXPECT_EQ(DownloadEnabled(), !valid);
        LeavePage();
        EXPECT_EQ(ShowCompletionPage().empty(), valid);
        EXPECT_EQ(shell.Calls().size(), 1u);  // the valid one only
        LeavePage();
    }
}

// The file is swapped after the download's check, before the completion
// page starts it: the swap is caught and nothing is started.
TEST_F(PageSignedPackage, AFileSwappedAfterTheCheckIsNotStarted) {
    ServePackage(body);
    ShowPage();
    AnswerWhenComplete();
    PressDownload();
    ExpectDoneState();
    ReplacePackage("#!/bin/sh\necho impostor\n");
    EXPECT_EQ(ShowCompletionPage(),
              "The installer could not be started: it is not the file that the publisher signed.");
    EXPECT_TRUE(shell.Calls().empty());
}

}  // namespace
