// The download routine and the pages that use it against an https download
// host: nginx with TLS and certificates made for the test, signed by the
// test authority that this build trusts, by another one, for another name,
// or long expired.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/InstallWizard.h"
#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "e2e/support/NginxServer.h"
#include "e2e/support/Subprocess.h"
#include "integration/DownloadFixture.h"
#include "platform/ui/ModalLoop.h"
#include "support/InternetErrorOf.h"
#include "support/PageTestSupport.h"
#include "support/SignedPackage.h"
#include "support/TestHostBody.h"

namespace {

using testing_support::Click;
using testing_support::HttpReply;
using testing_support::PatternBytes;
using testing_support::PressWizardButton;
using testing_support::TestHost;
using testing_support::UseDownloadHost;

#ifdef VESSAMO_TEST_CA_FILE
const std::string kAuthority = VESSAMO_TEST_CA_FILE;
#else
const std::string kAuthority;
#endif
const std::string kCertificates = std::filesystem::path(kAuthority).parent_path().string();
constexpr std::size_t kPackageSize = 300000;  // several reads of the routine

// Makes the test certificates unless they are there; false when the build
// trusts no test authority (the caller skips) or openssl failed.
::testing::AssertionResult TestCertificatesReady() {
    if (kAuthority.empty()) return ::testing::AssertionFailure() << "no test authority";
    e2e::CommandResult made = e2e::RunCommand({VESSAMO_CERTIFICATE_SCRIPT, kAuthority}, {});
    if (made.exitCode != 0) return ::testing::AssertionFailure() << "openssl failed";
    return ::testing::AssertionSuccess();
}

// nginx serving `documentRoot` over https with one of the test certificates
// (a file beside the test authority), made the download host.
class HttpsHost {
  public:
    HttpsHost(const std::string& documentRoot, const std::string& certificate,
              std::vector<e2e::NginxRedirect> redirects = {}) {
        e2e::NginxOptions options;
        options.documentRoot = documentRoot;
        options.port = e2e::FreeLoopbackPort();
        e2e::NginxExtras extras;
        extras.tlsCertificate = kCertificates + "/" + certificate;
        extras.tlsKey = kCertificates + "/server.key";
        extras.redirects = std::move(redirects);
        m_address = "https://127.0.0.1:" + std::to_string(options.port);
        m_nginx = std::make_unique<e2e::NginxServer>(options, extras);
        UseDownloadHost(m_address);
    }

    const std::string& Address() const { return m_address; }
    std::string AccessLog() const { return m_nginx->AccessLog(); }

  private:
    std::string m_address;
    std::unique_ptr<e2e::NginxServer> m_nginx;
};

class DownloadTls : public testing_support::DownloadFixture {
  protected:
    void SetUp() override {
        DownloadFixture::SetUp();
        if (kAuthority.empty()) GTEST_SKIP() << "this build trusts no test authority";
        ASSERT_TRUE(TestCertificatesReady());
        root.Write("package.exe", PatternBytes(0, kPackageSize));
    }

    DWORD FailureOf(const std::string& object) {
        return testing_support::InternetErrorOf([&] { Download(object); });
    }

    bool NothingLeftOnDisk() const {
        return std::filesystem::is_empty(std::filesystem::path(dir.Path()));
    }

    testing_support::TempDir root;
};

TEST_F(DownloadTls, TrustedCertificateDownloadsTheWholePackage) {
    HttpsHost https(root.Path(), "valid.pem");
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(testing_support::FileHoldsPattern(LocalPath(), kPackageSize));
    EXPECT_EQ(GetProgress(), 100);
    std::string log = https.AccessLog();
    EXPECT_NE(log.find("\"GET /package.exe HTTP/1.1\" 200 " + std::to_string(kPackageSize)),
              std::string::npos)
        << log;
}

TEST_F(DownloadTls, CertificateThatFailsEndsTheTransferAndLeavesNoFile) {
    for (const char* certificate : {"wrong-name.pem", "expired.pem", "untrusted.pem"}) {
        SCOPED_TRACE(certificate);
        HttpsHost https(root.Path(), certificate);
        EXPECT_EQ(FailureOf("package.exe"), ERROR_INTERNET_SECURITY_CHANNEL_ERROR);
        EXPECT_TRUE(NothingLeftOnDisk());
        // The handshake failed: no request reached the server.
        EXPECT_EQ(https.AccessLog(), "");
    }
}

TEST_F(DownloadTls, RedirectToPlainHttpIsRefused) {
    TestHost plain;
    plain.Serve("/package.exe", HttpReply());
    HttpsHost https(root.Path(), "valid.pem",
                    {{"/moved.exe", plain.Url("/package.exe")}, {"/renamed.exe", "/package.exe"}});
    EXPECT_EQ(FailureOf("moved.exe"), ERROR_HTTP_REDIRECT_FAILED);
    EXPECT_TRUE(NothingLeftOnDisk());
    EXPECT_EQ(plain.ConnectionCount(), 0);
    // A redirect that stays on https is followed.
    ASSERT_EQ(Download("renamed.exe"), TRUE);
    EXPECT_TRUE(testing_support::FileHoldsPattern(LocalPath(), kPackageSize));
}

// The signature is fetched under the package's rules: a redirect of it to
// plain http is refused, and the verified package never takes its name.
TEST_F(DownloadTls, SignatureRedirectedToPlainHttpIsRefused) {
    TestHost plain;
    plain.Serve("/signed.exe.sig",
                HttpReply::Text("HTTP/1.1 200 OK", testing_support::PublisherSignature()));
    root.Write("signed.exe", testing_support::SignedBody());
    HttpsHost https(root.Path(), "valid.pem", {{"/signed.exe.sig", plain.Url("/signed.exe.sig")}});
    const crypto::PublicKey key = testing_support::PublisherKey();
    DownloadOutcome outcome;
    DWORD error = testing_support::InternetErrorOf(
        [&] { DownloadSignedFile("signed.exe", LocalPath().c_str(), key, outcome); });
    EXPECT_EQ(error, ERROR_HTTP_REDIRECT_FAILED);
    EXPECT_TRUE(NothingLeftOnDisk());
    EXPECT_EQ(plain.ConnectionCount(), 0);
}

// The connection test and the browser route of an https build.
class PagesOverTls : public testing_support::PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        if (kAuthority.empty()) GTEST_SKIP() << "this build trusts no test authority";
        ASSERT_TRUE(TestCertificatesReady());
        root.Write("index.html", "<html>up</html>");
    }

    testing_support::TempDir root;
};

TEST_F(PagesOverTls, ACertificateThatFailsSendsTheUserToTheBrowserWithTheHttpsAddress) {
    for (const char* certificate : {"valid.pem", "expired.pem"}) {
        SCOPED_TRACE(certificate);
        HttpsHost https(root.Path(), certificate);
        const bool trusted = std::string(certificate) == "valid.pem";
        CInstallWizard wizard;
        ASSERT_TRUE(wizard.Create());
        ui::PumpMessages();
        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
        ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageOS);
        EXPECT_EQ(wizard.m_pageOS.m_bConnectionOK, trusted ? TRUE : FALSE);
        if (trusted) {
            // The save box leads a working connection to the browser page too.
            ASSERT_TRUE(Click(wizard.m_pageOS, IDC_SAVE_INSTALL_FILE));
        }
        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
        ASSERT_EQ(wizard.GetActivePage(), &wizard.m_pageManualDownload);
        ASSERT_TRUE(Click(wizard.m_pageManualDownload, IDC_BROWSER_DOWNLOAD));
        auto calls = shell.Calls();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back().file, https.Address() + "/vessamo-nten.exe");
    }
}

}  // namespace
