// The poller thread against the shared state alone: when it notifies and
// when it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "download/DownloadState.h"
#include "download/ProgressPoller.h"
#include "platform/os/Thread.h"
#include "platform/ui/MessageQueue.h"
#include "support/FreshMessageQueue.h"
#include "support/TestHostWait.h"

namespace {

using testing_support::WaitUntil;

// Stands in for the progress dialog: records the percentage at every
// notification it receives, as the dialog reads it.
class NotificationRecorder final : public ui::MessageTarget {
  public:
    NotificationRecorder() : m_hWnd(ui::RegisterWindow(this)) {}
    ~NotificationRecorder() { ui::UnregisterWindow(m_hWnd); }
    LRESULT WindowProc(UINT message, WPARAM, LPARAM) override {
        if (message == WM_DOWNLOAD_PROGRESS) readings.push_back(GetProgress());
        return 0;
    }
    HWND Handle() const { return m_hWnd; }
    std::vector<int> readings;

  private:
    HWND m_hWnd;
};

class DownloadPollerThreadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_hProgressWnd.store(m_dialog.Handle());
        SetCancelled(FALSE);
        SetProgress(0);
    }
    void TearDown() override {
        m_poller.Join();
        g_hProgressWnd.store(nullptr);
        SetCancelled(FALSE);
        SetProgress(0);
    }

    void StartPoller() { ASSERT_TRUE(m_poller.Start(&ProgressThreadProc, nullptr)); }
    // Delivers what the poller posted until `count` notifications have arrived.
    bool DeliverUntil(size_t count) {
        return WaitUntil([&] {
            ui::MessageQueue::Instance().DispatchAll();
            return m_dialog.readings.size() >= count;
        });
    }
    void JoinAndDeliver() {
        m_poller.Join();
        ui::MessageQueue::Instance().DispatchAll();
    }

    testing_support::FreshMessageQueue m_queue;
    NotificationRecorder m_dialog;
    os::Thread m_poller;
};

TEST_F(DownloadPollerThreadTest, EndsAfterTwoNotificationsWhenItStartsAtTheEnd) {
    struct Case {
        int percent;
        BOOL cancelled;
    } const cases[] = {{100, FALSE}, {100, TRUE}, {0, TRUE}, {57, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.percent << "% cancelled " << c.cancelled);
        m_dialog.readings.clear();
        SetProgress(c.percent);
        SetCancelled(c.cancelled);
        StartPoller();
        JoinAndDeliver();
        EXPECT_EQ(m_dialog.readings, std::vector<int>(2, c.percent));
    }
}

TEST_F(DownloadPollerThreadTest, KeepsNotifyingUntilThePercentageReaches100) {
    StartPoller();
    ASSERT_TRUE(DeliverUntil(3));  // the first one, then one per period at 0
    SetProgress(57);
    ASSERT_TRUE(WaitUntil([&] {
        ui::MessageQueue::Instance().DispatchAll();
        return !m_dialog.readings.empty() && m_dialog.readings.back() == 57;
    }));
    SetProgress(100);
    JoinAndDeliver();
    ASSERT_FALSE(m_dialog.readings.empty());
    EXPECT_EQ(m_dialog.readings.back(), 100);
    EXPECT_TRUE(std::is_sorted(m_dialog.readings.begin(), m_dialog.readings.end()));
}

// Without a length the percentage may never move: only the cancel flag ends it.
TEST_F(DownloadPollerThreadTest, EndsWithALastNotificationOnceCancelled) {
    StartPoller();
    ASSERT_TRUE(DeliverUntil(3));
    // From just before the cancel, notifications go to a window of their
    // own: the poller's last one is told apart from those delivered before.
    NotificationRecorder afterCancel;
    g_hProgressWnd.store(afterCancel.Handle());
    SetCancelled(TRUE);
    JoinAndDeliver();
    ASSERT_FALSE(afterCancel.readings.empty()) << "the poller ended without a last notification";
    EXPECT_EQ(afterCancel.readings.back(), 0);
}

}  // namespace
