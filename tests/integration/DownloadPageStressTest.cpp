// Many downloads in a row from one page, cancelled at different moments and
// now and then let through to the end: no hang, no leftover package, and
// (in the ThreadSanitizer build) no data race between the page, the worker
// and the poller.
#include <gtest/gtest.h>

#include <cstdio>

#include "download/DownloadState.h"
#include "integration/DownloadPageFixture.h"
#include "support/TestHostBody.h"

namespace {

using namespace testing_support;

constexpr int kCycles = 200;
constexpr std::uint64_t kSize = 48 * 1024;

// Small, but dripped so that a cancel can land in the middle of it.
HttpReply SmallDrippedPackage(HttpReply::Framing framing) {
    HttpReply reply = HttpReply::Ok(kSize);
    reply.framing = framing;
    reply.dripBytes = 4096;
    reply.dripIntervalMs = 3;
    return reply;
}

enum class Ending { CancelAtOnce, CancelMidway, Complete };

Ending EndingOf(int cycle) {
    switch (cycle % 4) {
        case 0:
            return Ending::CancelAtOnce;
        case 3:
            return Ending::Complete;
        default:
            return Ending::CancelMidway;
    }
}

class DownloadPageStressTest : public DownloadPageFixture {
  protected:
    // Cancels the next progress dialog once `condition` holds, or presses OK
    // if the download has already completed by then (a busy machine may
    // deliver the whole small body between two looks).
    void CancelUnlessComplete(std::function<bool()> condition) {
        env.Renderer().WhenTrue(
            [condition] {
                ui::Window* dialog = ProgressDialog();
                return dialog != nullptr && (condition() || ControlOf(*dialog, IDOK).IsEnabled());
            },
            [](ui::Window& dialog) {
                bool running = ControlOf(dialog, IDCANCEL).IsEnabled();
                EXPECT_TRUE(Click(dialog, running ? IDCANCEL : IDOK));
            });
    }

    bool PartlyThere() const {
        std::int64_t size = FileSize(PartialFileIn(dir));
        return size > 0 && size < static_cast<std::int64_t>(kSize);
    }

    void ExpectCompleteAndStartOver() {
        ExpectDoneState();
        EXPECT_TRUE(FileHoldsPattern(PackagePath(), kSize));
        // Make room for the next download, as a fresh run of the wizard would.
        std::remove(PackagePath().c_str());
        LeavePage();
        ShowPage();
    }
};

TEST_F(DownloadPageStressTest, TwoHundredDownloadsCancelledOrCompletedInARow) {
    ShowPage();
    int completed = 0;
    int cancelledMidway = 0;
    for (int cycle = 0; cycle < kCycles && !HasFailure(); ++cycle) {
        SCOPED_TRACE(testing::Message() << "cycle " << cycle);
        auto framing = cycle % 2 == 0 ? HttpReply::Framing::Length : HttpReply::Framing::Close;
        host.Serve("/vessamo-nten.exe", SmallDrippedPackage(framing));
        Ending ending = EndingOf(cycle);
        bool midway = false;
        if (ending == Ending::Complete) {
            AnswerWhenComplete();
        } else if (ending == Ending::CancelAtOnce) {
            CancelUnlessComplete([] { return true; });
        } else {
            CancelUnlessComplete([&] { return midway = PartlyThere(); });
        }
        PressDownload();
        EXPECT_EQ(env.Renderer().PendingActions(), 0u);

        if (Message() == kReady) {
            ++completed;
            ExpectCompleteAndStartOver();
        } else {
            EXPECT_NE(ending, Ending::Complete);
            ExpectCancelledState();
            EXPECT_FALSE(dir.Exists(kNtPackage)) << "a partial package stayed behind";
            if (midway) ++cancelledMidway;
        }
    }
    EXPECT_GE(completed, kCycles / 4);
    EXPECT_GT(cancelledMidway, 0) << "no cancel landed in the middle of a transfer";
    EXPECT_GE(host.RequestCount(), static_cast<size_t>(completed));
    EXPECT_LE(host.RequestCount(), static_cast<size_t>(kCycles));
}

}  // namespace
