// A package that the host sends gzip- or deflate-coded arrives as its own
// bytes; one in a coding that cannot be undone, or whose coded data is cut
// or corrupt, fails and leaves no file.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "support/CodedBody.h"
#include "support/InternetErrorOf.h"
#include "support/TestHostBody.h"
#include "support/TestHostWait.h"

namespace {

using testing_support::Coding;
using testing_support::DownloadFixture;
using testing_support::Encoded;
using testing_support::FileHoldsPattern;
using testing_support::FileSize;
using testing_support::HttpReply;
using testing_support::InternetErrorOf;
using testing_support::PartialFileIn;
using testing_support::PatternBytes;

const std::size_t kSize = 300000;

struct CodingCase {
    const char* name;
    std::string body;
    std::vector<std::string> codings;  // one Content-Encoding header each
    HttpReply::Framing framing;
    DWORD error;  // 0: the package arrives whole
};

std::vector<CodingCase> Cases() {
    const std::string data = PatternBytes(0, kSize);
    const std::string gzip = Encoded(data, Coding::Gzip);
    const std::string deflate = Encoded(data, Coding::Deflate);
    std::string corrupt = gzip;
    corrupt[corrupt.size() / 2] ^= 0x55;
    using F = HttpReply::Framing;
    constexpr DWORD kInvalid = ERROR_HTTP_INVALID_SERVER_RESPONSE;
    return {
        {"gzip", gzip, {"gzip"}, F::Length, 0},
        {"x-gzip, chunked", gzip, {"x-gzip"}, F::Chunked, 0},
        {"gzip after identity", gzip, {"identity, GZIP"}, F::Close, 0},
        {"deflate", deflate, {"deflate"}, F::Length, 0},
        {"bare deflate", Encoded(data, Coding::BareDeflate), {"deflate"}, F::Length, 0},
        {"br", gzip, {"br"}, F::Length, kInvalid},
        {"gzip, then br", gzip, {"gzip", "br"}, F::Length, kInvalid},
        {"gzip whose stream stops early",
         gzip.substr(0, gzip.size() - 6),
         {"gzip"},
         F::Length,
         kInvalid},
        {"corrupt gzip", corrupt, {"gzip"}, F::Chunked, kInvalid},
        {"deflate with bytes after its end", deflate + "extra", {"deflate"}, F::Length, kInvalid},
    };
}

using DownloadContentCoding = DownloadFixture;

TEST_F(DownloadContentCoding, GzipAndDeflateArriveDecodedAndOtherCodingsFail) {
    std::vector<CodingCase> cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CodingCase& row = cases[i];
        SCOPED_TRACE(row.name);
        HttpReply reply = HttpReply::Text("HTTP/1.1 200 OK", row.body);
        for (const std::string& coding : row.codings) {
            reply.headers.push_back("Content-Encoding: " + coding);
        }
        reply.framing = row.framing;
        host.Serve("/package.exe", reply);
        const std::string name = "package" + std::to_string(i) + ".exe";
        SetProgress(-1);
        BOOL result = -1;
        EXPECT_EQ(InternetErrorOf([&] { result = Download("package.exe", name); }), row.error);
        if (row.error == 0) {
            EXPECT_EQ(result, TRUE);
            EXPECT_TRUE(FileHoldsPattern(LocalPath(name), kSize));
            EXPECT_EQ(GetProgress(), 100);
        } else {
            EXPECT_FALSE(dir.Exists(name));
            EXPECT_NE(GetProgress(), 100);
        }
    }
    // Decoding asks for nothing: the host chose the coding itself.
    for (const auto& request : host.Requests()) {
        EXPECT_EQ(request.HeaderCount("Accept-Encoding"), 0);
    }
}

TEST_F(DownloadContentCoding, ACodedBodyCutByTheHostFails) {
    HttpReply reply =
        HttpReply::Text("HTTP/1.1 200 OK", Encoded(PatternBytes(0, kSize), Coding::Gzip));
    reply.headers = {"Content-Encoding: gzip"};
    reply.closeAt = reply.body->size() / 2;
    host.Serve("/package.exe", reply);
    EXPECT_EQ(InternetErrorOf([&] { Download("package.exe"); }), ERROR_INTERNET_CONNECTION_ABORTED);
    EXPECT_FALSE(dir.Exists("package.exe"));
}

// The announced length counts coded bytes, not the package's: the
// percentage stays at 0 until the body has ended. A cancel while the coded
// body waits is a cancel, not a cut stream. The host holds the body within
// the header of the second of two gzip members, so that the first half is
// in the file by then and the coded stream is open.
TEST_F(DownloadContentCoding, ACodedBodyCountsAsOneOfUnknownLengthAndCancelsAsAnyOther) {
    const std::string first = Encoded(PatternBytes(0, kSize / 2), Coding::Gzip);
    const std::string second = Encoded(PatternBytes(kSize / 2, kSize / 2), Coding::Gzip);
    for (bool cancel : {false, true}) {
        const std::string name = cancel ? "cancelled.exe" : "whole.exe";
        SCOPED_TRACE(name);
        HttpReply reply = HttpReply::Text("HTTP/1.1 200 OK", first + second);
        reply.headers = {"Content-Encoding: gzip"};
        reply.stallAt = first.size() + 5;
        host.Serve("/package.exe", reply);
        SetProgress(-1);
        SetCancelled(FALSE);
        BOOL result = -1;
        DWORD error = 0;
        std::thread worker(
            [&] { error = InternetErrorOf([&] { result = Download("package.exe", name); }); });
        EXPECT_TRUE(testing_support::WaitUntil([&] {
            return FileSize(PartialFileIn(dir)) == static_cast<std::int64_t>(kSize / 2) &&
                   GetProgress() != -1;
        }));
        EXPECT_EQ(GetProgress(), 0);
        if (cancel) {
            SetCancelled(TRUE);
        } else {
            host.ReleaseStall();
        }
        worker.join();
        EXPECT_EQ(error, 0u);
        EXPECT_EQ(result, cancel ? FALSE : TRUE);
        EXPECT_EQ(GetProgress(), cancel ? 0 : 100);
        EXPECT_EQ(FileSize(LocalPath(name)), cancel ? -1 : static_cast<std::int64_t>(kSize));
    }
}

}  // namespace
