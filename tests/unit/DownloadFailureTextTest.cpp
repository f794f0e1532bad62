// The causes the download page names when a download fails.
#include <errno.h>
#include <gtest/gtest.h>

#include "download/DownloadFailureText.h"
#include "platform/net/InternetDefs.h"

namespace {

using Kind = DownloadOutcome::Kind;

TEST(DownloadFailureText, NamesACauseTheUserCanActOn) {
    const struct {
        DownloadOutcome outcome;
        const char* text;
    } cases[] = {
        {{Kind::Refused, 404}, "the server answered 404 Not Found"},
        {{Kind::Refused, 503}, "the server answered 503 Service Unavailable"},
        {{Kind::Refused, 302}, "the server answered 302 Found"},
        {{Kind::Refused, 599}, "the server answered status 599"},
        {{Kind::SignInCancelled}, "the sign-in was cancelled"},
        {{Kind::TransportFailed, ERROR_INTERNET_CANNOT_CONNECT},
         "cannot connect to the download host"},
        {{Kind::TransportFailed, ERROR_INTERNET_CONNECTION_RESET},
         "the connection to the download host broke"},
        {{Kind::TransportFailed, ERROR_INTERNET_TIMEOUT},
         "the download host did not answer in time"},
        {{Kind::TransportFailed, ERROR_INTERNET_SECURITY_CHANNEL_ERROR},
         "the download host's certificate could not be verified"},
        {{Kind::TransportFailed, 12345}, "a network error occurred (12345)"},
        {{Kind::LocalFileFailed, ENOSPC}, "the disk is full"},
        {{Kind::LocalFileFailed, EDQUOT}, "the disk is full"},
        {{Kind::LocalFileFailed, EFBIG}, "the file is larger than this system allows"},
        {{Kind::LocalFileFailed, EROFS}, "the folder cannot be written"},
        {{Kind::LocalFileFailed, EACCES}, "the folder cannot be written"},
        {{Kind::LocalFileFailed, EIO}, "the disk reported an error"},
        {{Kind::Cancelled}, ""},
        {{Kind::Succeeded}, ""},
        {{Kind::NotFinished}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescribeDownloadFailure(c.outcome).str(), c.text)
            << static_cast<int>(c.outcome.kind) << " " << c.outcome.code;
    }
}

}  // namespace
