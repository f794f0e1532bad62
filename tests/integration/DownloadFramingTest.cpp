// How a response frames its body: lengths that leave the body in doubt and
// content codings that cannot be undone fail the download before the local
// file is made; sound variants of the same headers still download.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "download/DownloadState.h"
#include "integration/DownloadFixture.h"
#include "platform/net/InternetException.h"
#include "support/InternetErrorOf.h"
#include "support/TestHostBody.h"

namespace {

using testing_support::DownloadFixture;
using testing_support::FileHoldsPattern;
using testing_support::HttpReply;
using testing_support::InternetErrorOf;

using Framing = HttpReply::Framing;

struct FramingCase {
    const char* name;
    std::vector<std::string> headers;
    // Close: the host adds no Content-Length, the case's headers frame the body.
    Framing framing;
    bool accepted;
};

const std::uint64_t kSize = 5000;

const std::vector<FramingCase> kCases = {
    {"two lengths that disagree",
     {"Content-Length: 5000", "Content-Length: 2500"},
     Framing::Close,
     false},
    {"a list of lengths that disagree", {"Content-Length: 5000, 2500"}, Framing::Close, false},
    {"a length followed by letters", {"Content-Length: 5000abc"}, Framing::Close, false},
    {"a length with a sign", {"Content-Length: +5000"}, Framing::Close, false},
    {"a hexadecimal length", {"Content-Length: 0x1388"}, Framing::Close, false},
    {"a negative length", {"Content-Length: -1"}, Framing::Close, false},
    {"an empty length", {"Content-Length: "}, Framing::Close, false},
    {"a length beyond 63 bits", {"Content-Length: 99999999999999999999"}, Framing::Close, false},
    {"a list with an empty element", {"Content-Length: 5000,"}, Framing::Close, false},
    {"a transfer coding besides chunked",
     {"Transfer-Encoding: gzip, chunked"},
     Framing::Close,
     false},
    {"br", {"Content-Encoding: br"}, Framing::Length, false},
    {"an unknown content coding", {"Content-Encoding: x-vessamo"}, Framing::Length, false},
    {"br after identity", {"Content-Encoding: identity, BR"}, Framing::Length, false},
    {"br in a second header",
     {"Content-Encoding: identity", "Content-Encoding: br"},
     Framing::Length,
     false},
    {"gzip folded onto an empty coding", {"Content-Encoding:", " gzip"}, Framing::Length, false},
    {"chunked folded onto an empty coding",
     {"Transfer-Encoding:", " chunked"},
     Framing::Close,
     false},
#ifndef _WIN32
    // WinINet drops a folded line before the head reaches the wizard, which
    // then sees one plain length of 5000 and takes the 5000 bytes sent.
    {"a length folded onto another", {"Content-Length: 5000", "\t5001"}, Framing::Close, false},
#endif
    {"gzip behind a blank before the colon", {"Content-Encoding : gzip"}, Framing::Length, false},
    {"two equal lengths", {"Content-Length: 5000", "Content-Length: 5000"}, Framing::Close, true},
    {"a list of equal lengths", {"Content-Length: 5000 , 5000"}, Framing::Close, true},
    {"identity", {"Content-Encoding: identity"}, Framing::Length, true},
    {"identity in capitals", {"content-encoding: IDENTITY"}, Framing::Length, true},
};

class DownloadFraming : public DownloadFixture {};

TEST_F(DownloadFraming, DoubtfulFramingFailsBeforeTheFileIsMade) {
    for (std::size_t i = 0; i < kCases.size(); ++i) {
        const FramingCase& row = kCases[i];
        SCOPED_TRACE(row.name);
        HttpReply reply = HttpReply::Ok(kSize);
        reply.headers = row.headers;
        reply.framing = row.framing;
        host.Serve("/package.exe", reply);
        const std::string name = "package" + std::to_string(i) + ".exe";
        SetProgress(-1);
        BOOL result = -1;
        DWORD error = InternetErrorOf([&] { result = Download("package.exe", name); });
        if (row.accepted) {
            EXPECT_EQ(error, 0u);
            EXPECT_EQ(result, TRUE);
            EXPECT_TRUE(FileHoldsPattern(LocalPath(name), kSize));
            EXPECT_EQ(GetProgress(), 100);
        } else {
            EXPECT_EQ(error, ERROR_HTTP_INVALID_SERVER_RESPONSE);
            EXPECT_FALSE(dir.Exists(name));
            EXPECT_EQ(GetProgress(), -1);  // no byte of the body was taken
        }
    }
}

TEST_F(DownloadFraming, AnEncodedBodyBehindARedirectIsRefusedToo) {
    HttpReply encoded = HttpReply::Ok(kSize);
    encoded.headers = {"Content-Encoding: br"};
    host.Serve("/current.exe", encoded);
    host.Serve("/package.exe", HttpReply::Redirect(302, "/current.exe"));
    EXPECT_EQ(InternetErrorOf([&] { Download("package.exe"); }),
              ERROR_HTTP_INVALID_SERVER_RESPONSE);
    EXPECT_FALSE(dir.Exists("package.exe"));
}

TEST_F(DownloadFraming, AnEncodedErrorPageIsOnlyARefusedStatus) {
    // Its body is never kept, so its coding does not matter.
    HttpReply missing = HttpReply::Text("HTTP/1.1 404 Not Found", "gone");
    missing.headers = {"Content-Encoding: gzip"};
    host.Serve("/package.exe", missing);
    BOOL result = -1;
    EXPECT_EQ(InternetErrorOf([&] { result = Download("package.exe"); }), 0u);
    EXPECT_EQ(result, FALSE);
}

}  // namespace
