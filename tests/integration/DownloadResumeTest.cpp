// Continuing a broken download: what the request for the rest asks, and
// that every answer to it ends in the whole file, byte for byte, or in a
// fresh download; never in bytes of one file behind bytes of another.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "download/DownloadFile.h"
#include "integration/DownloadFixture.h"
#include "support/InternetErrorOf.h"
#include "support/TestHostBody.h"

namespace {

using namespace testing_support;

constexpr std::uint64_t kSize = 200000;
const std::string kTag = "\"v1\"";
const std::string kDate = "Tue, 01 Dec 2026 10:00:00 GMT";

HttpReply WithHeaders(HttpReply reply, std::vector<std::string> headers) {
    for (std::string& header : headers) reply.headers.push_back(std::move(header));
    return reply;
}

// The package, with `headers`, broken off by a reset after `at` bytes.
HttpReply BrokenAt(std::uint64_t at, std::vector<std::string> headers = {"ETag: " + kTag}) {
    HttpReply reply = WithHeaders(HttpReply::Ok(kSize), std::move(headers));
    reply.resetAt = at;
    return reply;
}

class DownloadResume : public DownloadFixture {
  protected:
    // One press of Download; the error of the transfer failure, 0 when none.
    DWORD Attempt() {
        result = FALSE;
        return InternetErrorOf([&] {
            result = DownloadFile("package.exe", LocalPath().c_str(), nullptr, outcome, kept);
        });
    }
    // A first attempt that breaks off: its bytes are kept in a file of their
    // own, and the package's name stays free.
    void BreakFirst(const HttpReply& reply) {
        host.Serve("/package.exe", reply);
        ASSERT_NE(Attempt(), 0u);
        ASSERT_GT(kept.Bytes(), 0u);
        EXPECT_TRUE(FileHoldsPattern(PartialFileIn(dir), kept.Bytes()));
        EXPECT_FALSE(dir.Exists("package.exe"));
    }
    // The last attempt brought the whole package and left nothing else.
    void ExpectWholePackage() {
        EXPECT_EQ(result, TRUE);
        EXPECT_TRUE(FileHoldsPattern(LocalPath(), kSize));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"package.exe"});
        EXPECT_EQ(kept.Bytes(), 0u);
    }

    KeptDownload kept;
    DownloadOutcome outcome;
    BOOL result = FALSE;
};

void ExpectPlain(const RecordedRequest& request) {
    EXPECT_EQ(request.HeaderCount("Range"), 0);
    EXPECT_EQ(request.HeaderCount("If-Range"), 0);
}

struct ValidatorCase {
    const char* name;
    std::vector<std::string> headers;  // of the first response
    std::string ifRange;               // sent with the rest's request; "" when none may be
};

class DownloadResumeValidator : public DownloadResume,
                                public ::testing::WithParamInterface<ValidatorCase> {};

// Only a strong validator lets the rest be asked for: the ETag unless it
// is weak, else the Last-Modified date. Without one the bytes go at once
// and the next attempt starts from zero.
TEST_P(DownloadResumeValidator, OnlyAStrongValidatorKeepsTheBytes) {
    const ValidatorCase& c = GetParam();
    HttpReply broken = BrokenAt(kSize / 2, c.headers);
    host.Serve("/package.exe", broken);
    ASSERT_NE(Attempt(), 0u);
    if (c.ifRange.empty()) {
        EXPECT_EQ(kept.Bytes(), 0u);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{});
        host.Serve("/package.exe", HttpReply::Ok(kSize));
    } else {
        ASSERT_GT(kept.Bytes(), 0u);
        host.Serve("/package.exe", HttpReply::Part(kept.Bytes(), kSize));
    }
    std::uint64_t keptBytes = kept.Bytes();
    ASSERT_EQ(Attempt(), 0u);
    ExpectWholePackage();
    std::vector<RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 2u);
    ExpectPlain(requests[0]);
    if (c.ifRange.empty()) {
        ExpectPlain(requests[1]);
    } else {
        EXPECT_EQ(requests[1].Header("Range"), "bytes=" + std::to_string(keptBytes) + "-");
        EXPECT_EQ(requests[1].Header("If-Range"), c.ifRange);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Validators, DownloadResumeValidator,
    ::testing::Values(ValidatorCase{"StrongTag", {"ETag: " + kTag}, kTag},
                      ValidatorCase{"DateOnly", {"Last-Modified: " + kDate}, kDate},
                      ValidatorCase{
                          "WeakTagAndDate", {"ETag: W/" + kTag, "Last-Modified: " + kDate}, kDate},
                      ValidatorCase{"WeakTagOnly", {"ETag: W/" + kTag}, ""},
                      ValidatorCase{"NoValidator", {}, ""}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct AnswerCase {
    const char* name;
    // The host's replies from the request for the rest on, given the kept byte count.
    std::function<std::vector<HttpReply>(std::uint64_t kept)> replies;
    bool plainRequestFollows;  // the kept bytes are dropped and the file asked for again
};

class DownloadResumeAnswer : public DownloadResume,
                             public ::testing::WithParamInterface<AnswerCase> {};

// Whatever the host answers to the request for the rest, the attempt ends
// with the whole package: appended when the answer is exactly the rest,
// taken afresh when it is the whole file, asked for again otherwise.
TEST_P(DownloadResumeAnswer, EveryAnswerEndsInTheWholePackage) {
    BreakFirst(BrokenAt(kSize / 2));
    std::uint64_t keptBytes = kept.Bytes();
    host.Serve("/package.exe", GetParam().replies(keptBytes));
    ASSERT_EQ(Attempt(), 0u);
    ExpectWholePackage();
    std::vector<RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), GetParam().plainRequestFollows ? 3u : 2u);
    EXPECT_EQ(requests[1].Header("Range"), "bytes=" + std::to_string(keptBytes) + "-");
    EXPECT_EQ(requests[1].Header("If-Range"), kTag);
    if (requests.size() == 3) ExpectPlain(requests[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DownloadResumeAnswer,
    ::testing::Values(
        AnswerCase{"TheRest",
                   [](std::uint64_t n) {
                       return std::vector<HttpReply>{
                           WithHeaders(HttpReply::Part(n, kSize), {"ETag: " + kTag})};
                   },
                   false},
        AnswerCase{"TheWholeFile",
                   [](std::uint64_t) {
                       return std::vector<HttpReply>{
                           WithHeaders(HttpReply::Ok(kSize), {"ETag: \"v2\""})};
                   },
                   false},
        AnswerCase{"PartStartingBeforeTheKeptBytes",
                   [](std::uint64_t n) {
                       return std::vector<HttpReply>{HttpReply::Part(n - 1000, kSize),
                                                     HttpReply::Ok(kSize)};
                   },
                   true},
        AnswerCase{
            "PartOfAnotherTotal",
            [](std::uint64_t n) {
                return std::vector<HttpReply>{HttpReply::Part(n, kSize + 1), HttpReply::Ok(kSize)};
            },
            true},
        AnswerCase{"PartWithAChangedTag",
                   [](std::uint64_t n) {
                       return std::vector<HttpReply>{
                           WithHeaders(HttpReply::Part(n, kSize), {"ETag: \"v2\""}),
                           HttpReply::Ok(kSize)};
                   },
                   true},
        AnswerCase{"RangeNotSatisfiable",
                   [](std::uint64_t) {
                       return std::vector<HttpReply>{
                           HttpReply::Text("HTTP/1.1 416 Range Not Satisfiable", ""),
                           HttpReply::Ok(kSize)};
                   },
                   true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(DownloadResume, TwoBreaksInARowThenTheRest) {
    BreakFirst(BrokenAt(kSize / 4));
    std::uint64_t first = kept.Bytes();
    HttpReply rest = HttpReply::Part(first, kSize);
    rest.resetAt = kSize / 2 - first;
    host.Serve("/package.exe", rest);
    ASSERT_NE(Attempt(), 0u);
    std::uint64_t second = kept.Bytes();
    ASSERT_GT(second, first);
    EXPECT_TRUE(FileHoldsPattern(PartialFileIn(dir), second));
    host.Serve("/package.exe", HttpReply::Part(second, kSize));
    ASSERT_EQ(Attempt(), 0u);
    ExpectWholePackage();
    std::vector<RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].Header("Range"), "bytes=" + std::to_string(first) + "-");
    EXPECT_EQ(requests[2].Header("Range"), "bytes=" + std::to_string(second) + "-");
}

}  // namespace
