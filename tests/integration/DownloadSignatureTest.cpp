// A package that must carry the publisher's signature: NAME.sig is fetched
// once the body has ended, and only a package whose signature verifies
// takes its name.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/CredentialMemory.h"
#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/CredentialPrompt.h"
#include "support/InternetErrorOf.h"
#include "support/SignedPackage.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::HostAuth;
using testing_support::HttpReply;
using Kind = DownloadOutcome::Kind;

class DownloadSignature : public DownloadFixture {
  protected:
    BOOL DownloadSigned(DownloadOutcome& outcome) {
        return DownloadSignedFile("package.exe", LocalPath().c_str(), key, outcome);
    }
    int SignatureRequests() const {
        int count = 0;
        for (const auto& request : host.Requests()) count += request.target == "/package.exe.sig";
        return count;
    }

    const crypto::PublicKey key = testing_support::PublisherKey();
};

HttpReply Ok(const std::string& body) {
    return HttpReply::Text("HTTP/1.1 200 OK", body);
}

HttpReply Unframed(const std::string& body) {
    HttpReply reply = Ok(body);
    reply.framing = HttpReply::Framing::Close;
    return reply;
}

TEST_F(DownloadSignature, OnlyAPackageWhoseSignatureVerifiesTakesItsName) {
    const std::string body = testing_support::SignedBody();
    std::string tampered = body;
    tampered[tampered.size() / 2] ^= 0x01;
    const std::string signature = testing_support::PublisherSignature();
    struct Case {
        const char* name;
        std::string body;
        HttpReply signature;
        Kind kind;
        DWORD code;
    };
    const std::vector<Case> cases = {
        {"valid", body, Ok(signature), Kind::Succeeded, 0},
        {"one byte of the body changed", tampered, Ok(signature), Kind::Unsigned, 0},
        {"the signature of another file", body,
         Ok(testing_support::PublisherSignatureOfOtherFile()), Kind::Unsigned, 0},
        {"signed with another key", body, Ok(testing_support::StrangerSignature()), Kind::Unsigned,
         0},
        {"missing", body, HttpReply::Text("HTTP/1.1 404 Not Found", "none"), Kind::Unsigned, 0},
        {"empty", body, Ok(""), Kind::Unsigned, 0},
        {"garbage", body, Ok("not a signature at all"), Kind::Unsigned, 0},
        {"the signature with a byte after it", body, Ok(signature + '\0'), Kind::Unsigned, 0},
        {"over the size limit", body, Ok(signature + std::string(1024, ' ')), Kind::Unsigned, 0},
        {"over the limit, no length", body, Unframed(std::string(5000, 'x')), Kind::Unsigned, 0},
        {"refused by the host", body, HttpReply::Text("HTTP/1.1 503 Service Unavailable", ""),
         Kind::Refused, 503},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.Serve("/package.exe", Ok(c.body));
        host.Serve("/package.exe.sig", c.signature);
        DownloadOutcome outcome;
        BOOL result = DownloadSigned(outcome);
        EXPECT_EQ(result, c.kind == Kind::Succeeded ? TRUE : FALSE);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_EQ(testing_support::PartialFileIn(dir), "");
        if (c.kind == Kind::Succeeded) {
            EXPECT_EQ(dir.Read("package.exe"), body);
            EXPECT_EQ(GetProgress(), 100);
            EXPECT_NE(outcome.verified, crypto::Digest{});
        } else {
            EXPECT_FALSE(dir.Exists("package.exe"));
            EXPECT_LT(GetProgress(), 100);  // never complete before the check
        }
        std::remove(LocalPath().c_str());
    }
}

// The signature lies behind the same sign-in as the package: the user is
// asked once, and the signature's request carries the same credentials.
TEST_F(DownloadSignature, SignatureBehindTheSameSignInAsksOnce) {
    const HostAuth auth{"Vessamo packages", "anna", "s3cret"};
    HttpReply package = Ok(testing_support::SignedBody());
    package.auth = auth;
    HttpReply signature = Ok(testing_support::PublisherSignature());
    signature.auth = auth;
    host.Serve("/package.exe", package);
    host.Serve("/package.exe.sig", signature);
    int asked = 0;
    auto memory = std::make_shared<CredentialMemory>();
    net::SetCredentialPrompt(
        [&asked, memory](const net::CredentialRequest& request, net::Credentials& credentials) {
            return memory->Answer(request, credentials,
                                  [&asked](const net::CredentialRequest&, net::Credentials& typed) {
                                      ++asked;
                                      typed = {"anna", "s3cret"};
                                      return net::CredentialAnswer::Retry;
                                  });
        });
    DownloadOutcome outcome;
    EXPECT_EQ(DownloadSigned(outcome), TRUE);
    net::SetCredentialPrompt({});
    EXPECT_EQ(outcome.kind, Kind::Succeeded);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(SignatureRequests(), 2);  // refused once, then sent with the credentials
}

// Without a key nothing more is asked of the host than the package.
TEST_F(DownloadSignature, AnUnsignedDownloadAsksForNoSignature) {
    host.Serve("/package.exe", Ok(testing_support::SignedBody()));
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_EQ(host.RequestCount(), 1u);
    EXPECT_EQ(SignatureRequests(), 0);
}

// A package continued after a break is checked whole: the signature must
// cover the kept bytes and the rest together, so a changed rest fails.
TEST_F(DownloadSignature, AContinuedPackageIsCheckedWhole) {
    const std::string body = testing_support::SignedBody();
    std::string changed = body;
    changed[changed.size() - 10] ^= 0x01;
    host.Serve("/package.exe.sig", Ok(testing_support::PublisherSignature()));
    for (const auto& [rest, kind] : {std::pair{body, Kind::Succeeded}, {changed, Kind::Unsigned}}) {
        SCOPED_TRACE(kind == Kind::Succeeded ? "the signed rest" : "a changed rest");
        KeptDownload kept;
        DownloadOutcome outcome;
        HttpReply broken = Ok(body);
        broken.headers.push_back("ETag: \"s1\"");
        broken.resetAt = body.size() / 2;
        host.Serve("/package.exe", broken);
        EXPECT_NE(testing_support::InternetErrorOf([&] {
                      DownloadFile("package.exe", LocalPath().c_str(), &key, outcome, kept);
                  }),
                  0u);
        const std::size_t keptBytes = kept.Bytes();
        ASSERT_GT(keptBytes, 0u);
        HttpReply part = HttpReply::Text("HTTP/1.1 206 Partial Content", rest.substr(keptBytes));
        part.headers.push_back("Content-Range: bytes " + std::to_string(keptBytes) + "-" +
                               std::to_string(body.size() - 1) + "/" + std::to_string(body.size()));
        host.Serve("/package.exe", part);
        DownloadFile("package.exe", LocalPath().c_str(), &key, outcome, kept);
        EXPECT_EQ(outcome.kind, kind);
        EXPECT_EQ(dir.Exists("package.exe"), kind == Kind::Succeeded);
        std::filesystem::remove(testing_support::FsPath(LocalPath()));
    }
}

}  // namespace
