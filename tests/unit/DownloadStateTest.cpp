#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "download/DownloadState.h"

namespace {

// A stand-in for the progress dialog: records the messages it is sent.
class ProgressWindow : public ui::MessageTarget {
  public:
    ProgressWindow() : hWnd(ui::RegisterWindow(this)) {}
    ~ProgressWindow() { Close(); }
    void Close() {
        if (hWnd) ui::UnregisterWindow(hWnd);
        hWnd = nullptr;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        received.push_back({hWnd, message, wParam, lParam});
        return 0;
    }
    HWND hWnd;
    std::vector<ui::QueuedMessage> received;
};

class DownloadNotify : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::MessageQueue::Instance().BindToCurrentThread();
        ui::MessageQueue::Instance().DiscardAll();
    }
    void TearDown() override {
        g_hProgressWnd.store(nullptr);
        ui::MessageQueue::Instance().DiscardAll();
    }
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
    ProgressWindow window;
    g_hProgressWnd.store(window.hWnd);
    std::thread poller([] {
        NotifyProgress();
        NotifyProgress();
    });
    poller.join();
    EXPECT_TRUE(window.received.empty());  // posted, not sent
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 2);
    ASSERT_EQ(window.received.size(), 2u);
    for (const auto& message : window.received) {
        EXPECT_EQ(message.message, WM_DOWNLOAD_PROGRESS);
        EXPECT_EQ(message.wParam, 0u);
        EXPECT_EQ(message.lParam, 0);
    }
}

TEST_F(DownloadNotify, WithoutALiveWindowTheNotificationGoesNowhere) {
    g_hProgressWnd.store(nullptr);
    NotifyProgress();
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 1);

    ProgressWindow window;
    g_hProgressWnd.store(window.hWnd);
    window.Close();  // the dialog has ended; its handle stays in g_hProgressWnd
    NotifyProgress();
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 1);
    EXPECT_TRUE(window.received.empty());
}

}  // namespace
