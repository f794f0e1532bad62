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
        // A status by its standard phrase, or by its number when it has none.
        {{Kind::Refused, 404}, "the server answered 404 Not Found"},
        {{Kind::Refused, 599}, "the server answered status 599"},
        {{Kind::SignInCancelled}, "the sign-in was cancelled"},
        // A transport failure or a file error by its meaning, or by its code.
        {{Kind::TransportFailed, ERROR_INTERNET_CANNOT_CONNECT},
         "cannot connect to the download host"},
        {{Kind::TransportFailed, 12345}, "a network error occurred (12345)"},
        {{Kind::LocalFileFailed, ENOSPC}, "the disk is full"},
        {{Kind::LocalFileFailed, 9999}, "the file could not be written (error 9999)"},
        // Outcomes that are no failure name no cause.
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
