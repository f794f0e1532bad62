#include <gtest/gtest.h>

#include <thread>

#include "download/DownloadState.h"
#include "support/FreshMessageQueue.h"
#include "support/MessageRecorder.h"

namespace {

// A MessageRecorder stands in for the progress dialog.
using testing_support::MessageRecorder;

class DownloadNotify : public ::testing::Test {
  protected:
    void TearDown() override { g_hProgressWnd.store(nullptr); }

    testing_support::FreshMessageQueue m_queue;
};

TEST(DownloadState, AccessorsStoreAndLoadWholeValues) {
    SetProgress(42);
    EXPECT_EQ(GetProgress(), 42);
    EXPECT_EQ(g_nProgress.load(), 42);
    SetProgress(100);
    EXPECT_EQ(GetProgress(), 100);

    SetCancelled(TRUE);
    EXPECT_EQ(IsCancelled(), TRUE);
    EXPECT_EQ(g_bCancel.load(), TRUE);
    SetCancelled(FALSE);
    EXPECT_EQ(IsCancelled(), FALSE);
}

TEST(DownloadState, ProgressMessageIsWmUserPlus97) {
    EXPECT_EQ(WM_DOWNLOAD_PROGRESS, 0x461u);
}

TEST_F(DownloadNotify, PostsFromAnotherThreadToTheProgressWindow) {
    MessageRecorder window;
    g_hProgressWnd.store(window.Handle());
    std::thread poller([] {
        NotifyProgress();
        NotifyProgress();
    });
    poller.join();
    EXPECT_TRUE(window.Received().empty());  // posted, not sent
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 2);
    ASSERT_EQ(window.Received().size(), 2u);
    for (const auto& message : window.Received()) {
        EXPECT_EQ(message.message, WM_DOWNLOAD_PROGRESS);
        EXPECT_EQ(message.wParam, 0u);
        EXPECT_EQ(message.lParam, 0);
    }
}

TEST_F(DownloadNotify, WithoutALiveWindowTheNotificationGoesNowhere) {
    g_hProgressWnd.store(nullptr);
    NotifyProgress();
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 1);

    MessageRecorder window;
    g_hProgressWnd.store(window.Handle());
    window.Close();  // the dialog has ended; its handle stays in g_hProgressWnd
    NotifyProgress();
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 1);
    EXPECT_TRUE(window.Received().empty());
}

}  // namespace
