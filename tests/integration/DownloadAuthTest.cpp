// 401 answers: the credential prompt, its retry and cancel, and where the
// credentials may go.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/CredentialMemory.h"
#include "download/DownloadFile.h"
#include "download/DownloadOutcome.h"
#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/CredentialPrompt.h"
#include "support/TestHostBody.h"
#include "support/UnderWine.h"

namespace {

using testing_support::BasicCredentials;
using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::HostAuth;
using testing_support::HttpReply;
using testing_support::TestHost;
using testing_support::UnderWine;

const std::string kOldContents(1000, 'o');
const HostAuth kAuth{"Vessamo packages", "anna", "s3cret:pass"};
const HostAuth kMirrorAuth{"Mirror", "bert", "m1rror"};

// A prompt that answers from a list and records what it was asked.
class DownloadAuth : public DownloadFixture {
  protected:
    struct Answer {
        net::CredentialAnswer answer;
        std::string userName;
        std::string password;
        bool cancelDownload = false;
    };

    void Answer(std::vector<struct Answer> answers) {
        m_answers = std::move(answers);
        net::SetCredentialPrompt(Scripted());
    }

    // As Answer, behind the memory of typed credentials that the wizard uses.
    void AnswerRemembering(std::vector<struct Answer> answers) {
        m_answers = std::move(answers);
        auto memory = std::make_shared<CredentialMemory>();
        net::SetCredentialPrompt(
            [memory, scripted = Scripted()](const net::CredentialRequest& request,
                                            net::Credentials& credentials) {
                return memory->Answer(request, credentials, scripted);
            });
    }

    net::CredentialPrompt Scripted() {
        return [this](const net::CredentialRequest& request, net::Credentials& credentials) {
            asked.push_back(request);
            lastTried.push_back(credentials.userName + ":" + credentials.password);
            if (m_answers.empty()) return net::CredentialAnswer::Cancel;
            struct Answer next = m_answers.front();
            m_answers.erase(m_answers.begin());
            credentials.userName = next.userName;
            credentials.password = next.password;
            if (next.cancelDownload) SetCancelled(TRUE);
            return next.answer;
        };
    }

    static HttpReply Protected(HttpReply reply) {
        reply.auth = kAuth;
        return reply;
    }
    static HttpReply MirrorProtected(HttpReply reply) {
        reply.auth = kMirrorAuth;
        return reply;
    }

    std::vector<net::CredentialRequest> asked;
    std::vector<std::string> lastTried;

  private:
    std::vector<struct Answer> m_answers;
};

TEST_F(DownloadAuth, CancelledPromptGivesFalseAndLeavesTheFileAlone) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    dir.Write("package.exe", kOldContents);
    Answer({{net::CredentialAnswer::Cancel, "", ""}});
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].host, host.HostAndPort());
    EXPECT_EQ(asked[0].realm, "Vessamo packages");
    EXPECT_EQ(host.RequestCount(), 1u);
}

TEST_F(DownloadAuth, WithoutAPromptA401GivesFalse) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_FALSE(dir.Exists("package.exe"));
}

TEST_F(DownloadAuth, RetryWithTheRightCredentialsDownloads) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    Answer({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].HeaderCount("Authorization"), 0);
    EXPECT_EQ(requests[1].Header("Authorization"),
              BasicCredentials(kAuth.userName, kAuth.password));
    EXPECT_EQ(requests[1].target, "/package.exe");
    EXPECT_EQ(requests[1].HeaderCount("Accept"), 1);
}

TEST_F(DownloadAuth, AnotherRefusalBringsThePromptBack) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    Answer({{net::CredentialAnswer::Retry, "anna", "wrong"},
            {net::CredentialAnswer::Retry, "bert", "also wrong"},
            {net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    EXPECT_EQ(asked.size(), 3u);
    // Each round shows the credentials tried last.
    EXPECT_EQ(lastTried, (std::vector<std::string>{":", "anna:wrong", "bert:also wrong"}));
    EXPECT_EQ(host.RequestCount(), 4u);
}

TEST_F(DownloadAuth, TheUserEndsTheRoundsByCancelling) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    dir.Write("package.exe", kOldContents);
    Answer(
        {{net::CredentialAnswer::Retry, "anna", "wrong"}, {net::CredentialAnswer::Cancel, "", ""}});
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
}

TEST_F(DownloadAuth, AnErrorAfterTheRetryGivesFalseAndLeavesTheFileAlone) {
    HttpReply challenge = HttpReply::Text("HTTP/1.1 401 Unauthorized", "who?");
    challenge.headers.push_back("WWW-Authenticate: Basic realm=\"x\"");
    host.Serve("/package.exe", {challenge, HttpReply::Text("HTTP/1.1 404 Not Found", "gone")});
    dir.Write("package.exe", kOldContents);
    Answer({{net::CredentialAnswer::Retry, "anna", "pw"}});
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
    EXPECT_EQ(host.RequestCount(), 2u);
}

TEST_F(DownloadAuth, ACancelDuringThePromptSendsNothingMore) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    dir.Write("package.exe", kOldContents);
    Answer({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password, true}});
    EXPECT_EQ(Download("package.exe"), FALSE);
    EXPECT_EQ(host.RequestCount(), 1u);
    EXPECT_EQ(dir.Read("package.exe"), kOldContents);
}

TEST_F(DownloadAuth, CredentialsNeverGoToAnotherHost) {
    TestHost elsewhere;
    elsewhere.Serve("/mirror.exe", HttpReply::Ok(5000));
    host.Serve("/package.exe", Protected(HttpReply::Redirect(302, elsewhere.Url("/mirror.exe"))));
    Answer({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    ASSERT_EQ(host.RequestCount(), 2u);
    EXPECT_EQ(host.Requests()[1].HeaderCount("Authorization"), 1);
    ASSERT_EQ(elsewhere.RequestCount(), 1u);
    EXPECT_EQ(elsewhere.Requests()[0].HeaderCount("Authorization"), 0);
}

TEST_F(DownloadAuth, ARedirectedRequestKeepsTheCredentialsOnTheSameHost) {
    host.Serve("/package.exe", Protected(HttpReply::Redirect(301, "/current/package.exe")));
    host.Serve("/current/package.exe", Protected(HttpReply::Ok(4000)));
    Answer({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 4000));
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(DownloadAuth, A401AfterARedirectAsksForThatHostAndSendsToItOnly) {
    TestHost mirror;
    mirror.Serve("/mirror.exe", MirrorProtected(HttpReply::Ok(5000)));
    host.Serve("/package.exe", HttpReply::Redirect(302, mirror.Url("/mirror.exe")));
    Answer({{net::CredentialAnswer::Retry, kMirrorAuth.userName, kMirrorAuth.password}});
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].host, mirror.HostAndPort());
    EXPECT_EQ(asked[0].realm, "Mirror");
    // The retry goes straight to the host that asked.
    ASSERT_EQ(host.RequestCount(), 1u);
    EXPECT_EQ(host.Requests()[0].HeaderCount("Authorization"), 0);
    auto requests = mirror.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].HeaderCount("Authorization"), 0);
    EXPECT_EQ(requests[1].HeaderCount("Authorization"), 1);
    EXPECT_EQ(requests[1].Header("Authorization"),
              BasicCredentials(kMirrorAuth.userName, kMirrorAuth.password));
    EXPECT_EQ(requests[1].target, "/mirror.exe");
    EXPECT_EQ(requests[1].HeaderCount("Accept"), 1);
}

TEST_F(DownloadAuth, TypedCredentialsServeTheSameHostAndRealmWithoutAsking) {
    host.Serve("/index.html", Protected(HttpReply::Ok(100)));
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    AnswerRemembering({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    ASSERT_EQ(Download("index.html", "index.html"), TRUE);
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    EXPECT_EQ(asked.size(), 1u);
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[3].Header("Authorization"),
              BasicCredentials(kAuth.userName, kAuth.password));

    // Another realm of the same host asks (and is cancelled here) ...
    HttpReply otherRealm = HttpReply::Ok(5000);
    otherRealm.auth = HostAuth{"Beta packages", kAuth.userName, kAuth.password};
    host.Serve("/beta.exe", otherRealm);
    EXPECT_EQ(Download("beta.exe", "beta.exe"), FALSE);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].realm, "Beta packages");
    EXPECT_EQ(host.Requests().back().HeaderCount("Authorization"), 0);

    // ... and so does another host behind a redirect, though its realm is the same.
    TestHost mirror;
    mirror.Serve("/mirror.exe", Protected(HttpReply::Ok(5000)));
    host.Serve("/moved.exe", HttpReply::Redirect(302, mirror.Url("/mirror.exe")));
    EXPECT_EQ(Download("moved.exe", "moved.exe"), FALSE);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[2].host, mirror.HostAndPort());
    ASSERT_EQ(mirror.RequestCount(), 1u);
    EXPECT_EQ(mirror.Requests()[0].HeaderCount("Authorization"), 0);
}

// The first host signs the user in and sends the request on to a mirror
// that asks too: each is asked once in the run, the mirror afresh.
TEST_F(DownloadAuth, TwoHostsOfOneRequestAreEachAskedOnceAndApart) {
    TestHost mirror;
    mirror.Serve("/mirror.exe", MirrorProtected(HttpReply::Ok(5000)));
    for (const char* object : {"/index.html", "/package.exe"}) {
        host.Serve(object, Protected(HttpReply::Redirect(302, mirror.Url("/mirror.exe"))));
    }
    AnswerRemembering({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password},
                       {net::CredentialAnswer::Retry, kMirrorAuth.userName, kMirrorAuth.password}});
    ASSERT_EQ(Download("index.html", "index.html"), TRUE);
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].host, mirror.HostAndPort());
    EXPECT_EQ(lastTried[1], ":") << "the mirror was offered the first host's user name";
}

TEST_F(DownloadAuth, RememberedCredentialsThatAreRefusedBringThePromptBack) {
    host.Serve("/index.html", Protected(HttpReply::Ok(100)));
    AnswerRemembering({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password},
                       {net::CredentialAnswer::Retry, kAuth.userName, "changed"}});
    ASSERT_EQ(Download("index.html", "index.html"), TRUE);
    HttpReply changed = HttpReply::Ok(5000);
    changed.auth = HostAuth{kAuth.realm, kAuth.userName, "changed"};
    host.Serve("/package.exe", changed);
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    ASSERT_EQ(asked.size(), 2u);
    // The prompt starts from the refused credentials, user name and all.
    EXPECT_EQ(lastTried[1], kAuth.userName + ":" + kAuth.password);
    auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[3].Header("Authorization"),
              BasicCredentials(kAuth.userName, kAuth.password));
    EXPECT_EQ(requests[4].Header("Authorization"), BasicCredentials(kAuth.userName, "changed"));

    // The new ones are remembered in place of the refused ones.
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_EQ(asked.size(), 2u);
}

// A sign-in given up after a refusal: the next request's dialog still
// knows the user name, but not the refused password.
TEST_F(DownloadAuth, ARefusedUserNameIsOfferedAgainAfterACancelledSignIn) {
    host.Serve("/package.exe", Protected(HttpReply::Ok(5000)));
    AnswerRemembering({{net::CredentialAnswer::Retry, kAuth.userName, "wrong"},
                       {net::CredentialAnswer::Cancel, "", ""},
                       {net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    EXPECT_EQ(Download("package.exe"), FALSE);
    ASSERT_EQ(Download("package.exe"), TRUE);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(lastTried[2], kAuth.userName + ":");
}

// Every scheme this build answers with the user's credentials, behind a
// redirect to a mirror: the dialog names the mirror and its realm, the
// password goes to the mirror alone, and in clear only where Basic was offered.
TEST_F(DownloadAuth, EachAnsweredSchemeSignsInAtTheHostThatAsked) {
    struct Case {
        std::vector<std::string> schemes;  // as the mirror offers them
        const char* answer;                // the scheme of the accepted Authorization
        const char* windowsAnswer;         // the same in the Windows build
    };
    // Linux prefers Digest; Windows answers Basic itself and leaves the rest to WinINet.
    for (const Case& c :
         {Case{{"Basic"}, "Basic ", "Basic "}, Case{{"Digest"}, "Digest ", "Digest "},
          Case{{"Basic", "Digest"}, "Digest ", "Basic "},
          Case{{"NTLM", "Digest"}, "Digest ", "Digest "}}) {
        std::string label = c.schemes.front() + "," + c.schemes.back();
        TestHost mirror;
        HttpReply reply = HttpReply::Ok(5000);
        reply.auth =
            HostAuth{kMirrorAuth.realm, kMirrorAuth.userName, kMirrorAuth.password, c.schemes};
        mirror.Serve("/mirror.exe", reply);
        host.Serve("/package.exe", HttpReply::Redirect(302, mirror.Url("/mirror.exe")));
#ifdef _WIN32
        std::string answer = c.windowsAnswer;
#else
        std::string answer = c.answer;
#endif
        // Wine has no Digest security package, so its WinINet answers no
        // Digest challenge: the sign-in fails there, and must fail safely.
        bool answerable = !(UnderWine() && answer == "Digest ");
        asked.clear();
        Answer({{net::CredentialAnswer::Retry, kMirrorAuth.userName, kMirrorAuth.password}});
        EXPECT_EQ(Download("package.exe"), answerable ? TRUE : FALSE) << label;
        if (answerable) {
            EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000)) << label;
        }
        ASSERT_EQ(asked.size(), answerable ? 1u : 2u) << label;
        EXPECT_EQ(asked[0].host, mirror.HostAndPort()) << label;
        EXPECT_EQ(asked[0].realm, kMirrorAuth.realm) << label;
        for (const auto& request : host.Requests()) {
            EXPECT_EQ(request.HeaderCount("Authorization"), 0) << label;
        }
        auto requests = mirror.Requests();
        if (answerable) {
            EXPECT_EQ(requests.back().Header("Authorization").rfind(answer, 0), 0u) << label;
        }
        bool basicOffered =
            std::find(c.schemes.begin(), c.schemes.end(), "Basic") != c.schemes.end();
        for (const auto& request : requests) {
            std::string authorization = request.Header("Authorization");
            EXPECT_EQ(authorization.find(kMirrorAuth.password), std::string::npos) << label;
            if (!basicOffered) {
                EXPECT_NE(authorization.rfind("Basic", 0), 0u) << label;
            }
        }
    }
}

TEST_F(DownloadAuth, AWrongDigestPasswordBringsThePromptBack) {
    if (UnderWine()) GTEST_SKIP() << "Wine's WinINet answers no Digest challenge";
    HttpReply reply = HttpReply::Ok(5000);
    reply.auth = HostAuth{kAuth.realm, kAuth.userName, kAuth.password, {"Digest"}};
    host.Serve("/package.exe", reply);
    Answer({{net::CredentialAnswer::Retry, kAuth.userName, "wrong"},
            {net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
    ASSERT_EQ(Download("package.exe"), TRUE);
    EXPECT_TRUE(FileHoldsPattern(LocalPath(), 5000));
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(lastTried[1], kAuth.userName + ":wrong");
}

#ifdef _WIN32
// NTLM and Negotiate are WinINet's to answer on the request to the host that
// asked (Wine's, without Samba's ntlm_auth, cannot): the dialog comes up,
// and whatever goes out, the password never goes in clear.
TEST_F(DownloadAuth, NtlmAndNegotiateAreLeftToWinInet) {
    for (const char* scheme : {"NTLM", "Negotiate"}) {
        HttpReply reply = HttpReply::Ok(5000);
        reply.auth = HostAuth{"", kAuth.userName, kAuth.password, {scheme}};
        host.Serve("/package.exe", reply);
        asked.clear();
        Answer({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
        DownloadOutcome outcome;
        EXPECT_EQ(DownloadFile("package.exe", LocalPath().c_str(), outcome), FALSE) << scheme;
        EXPECT_EQ(outcome.kind, DownloadOutcome::Kind::SignInCancelled) << scheme;
        ASSERT_FALSE(asked.empty()) << scheme;
        EXPECT_EQ(asked[0].host, host.HostAndPort()) << scheme;
        for (const auto& request : host.Requests()) {
            std::string authorization = request.Header("Authorization");
            EXPECT_NE(authorization.rfind("Basic", 0), 0u) << scheme;
            EXPECT_EQ(authorization.find(kAuth.password), std::string::npos) << scheme;
        }
    }
}
#endif

// A host that asks for a sign-in in no scheme this build answers, or names
// none, is not asked about: the password would go to it in clear.
TEST_F(DownloadAuth, A401WithoutAnAnsweredSchemeIsARefusal) {
    std::vector<std::string> challenges = {"", "WWW-Authenticate: Bearer realm=\"api\""};
#ifndef _WIN32
    // WinINet answers these for the Windows build.
    challenges.push_back("WWW-Authenticate: NTLM");
    challenges.push_back("WWW-Authenticate: Negotiate");
#endif
    for (const std::string& challenge : challenges) {
        HttpReply denied = HttpReply::Text("HTTP/1.1 401 Unauthorized", "sign in");
        if (!challenge.empty()) denied.headers.push_back(challenge);
        host.Serve("/package.exe", denied);
        Answer({{net::CredentialAnswer::Retry, kAuth.userName, kAuth.password}});
        DownloadOutcome outcome;
        EXPECT_EQ(DownloadFile("package.exe", LocalPath().c_str(), outcome), FALSE) << challenge;
        EXPECT_EQ(outcome.kind, DownloadOutcome::Kind::Refused) << challenge;
        EXPECT_EQ(outcome.code, 401u) << challenge;
        EXPECT_TRUE(asked.empty()) << challenge;
        EXPECT_EQ(host.Requests().back().HeaderCount("Authorization"), 0) << challenge;
        EXPECT_FALSE(dir.Exists("package.exe")) << challenge;
    }
}

}  // namespace
