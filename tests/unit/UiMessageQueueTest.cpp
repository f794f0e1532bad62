#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "platform/ui/MessageQueue.h"
#include "support/FreshMessageQueue.h"
#include "support/MessageRecorder.h"

namespace {

using testing_support::MessageRecorder;

class UiMessageQueueTest : public ::testing::Test {
  protected:
    void TearDown() override { ui::MessageQueue::Instance().SetWakeHook({}); }

    testing_support::FreshMessageQueue m_queue;
};

TEST_F(UiMessageQueueTest, PostsFromManyThreadsArriveCompleteAndInOrderPerThread) {
    MessageRecorder recorder;
    constexpr int kThreads = 8;
    constexpr int kPerThread = 2000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                PostMessage(recorder.Handle(), WM_USER + 1, static_cast<WPARAM>(t), i);
            }
        });
    }
    // Deliver while the threads are still posting, as the UI loop would.
    size_t expected = static_cast<size_t>(kThreads) * kPerThread;
    while (recorder.Received().size() < expected) {
        if (!ui::MessageQueue::Instance().DispatchOne()) {
            ui::MessageQueue::Instance().WaitForMessage(std::chrono::milliseconds(100));
        }
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 0);

    std::vector<LPARAM> next(kThreads, 0);
    for (const auto& message : recorder.Received()) {
        ASSERT_LT(message.wParam, static_cast<WPARAM>(kThreads));
        EXPECT_EQ(message.lParam, next[message.wParam]) << "thread " << message.wParam;
        next[message.wParam] = message.lParam + 1;
    }
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(next[t], kPerThread);
}

TEST_F(UiMessageQueueTest, MessagesToDeadOrNullHandlesAreDroppedAtDelivery) {
    MessageRecorder survivor;
    HWND dead;
    {
        MessageRecorder gone;
        dead = gone.Handle();
        EXPECT_TRUE(IsWindow(dead));
        EXPECT_TRUE(PostMessage(dead, WM_USER, 0, 1));
    }
    EXPECT_FALSE(IsWindow(dead));
    EXPECT_FALSE(IsWindow(nullptr));
    EXPECT_TRUE(PostMessage(nullptr, WM_USER, 0, 2));
    PostMessage(survivor.Handle(), WM_USER, 0, 3);
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 3);
    ASSERT_EQ(survivor.Received().size(), 1u);
    EXPECT_EQ(survivor.Received()[0].lParam, 3);
    EXPECT_EQ(SendMessage(dead, WM_USER, 0, 0), 0);
}

TEST_F(UiMessageQueueTest, TasksRunInTheirTurnAmongMessages) {
    MessageRecorder recorder;
    size_t seenByTask = 0;
    PostMessage(recorder.Handle(), WM_USER, 0, 1);
    ui::MessageQueue::Instance().PostTask([&] { seenByTask = recorder.Received().size(); });
    PostMessage(recorder.Handle(), WM_USER, 0, 2);
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 3);
    EXPECT_EQ(seenByTask, 1u);
    EXPECT_EQ(recorder.Received().size(), 2u);
}

TEST_F(UiMessageQueueTest, DiscardingDropsQueuedTasksAndLaterTasksStillRun) {
    std::vector<int> ran;
    ui::MessageQueue::Instance().PostTask([&] { ran.push_back(1); });
    ui::MessageQueue::Instance().DiscardAll();
    ui::MessageQueue::Instance().PostTask([&] { ran.push_back(2); });
    EXPECT_EQ(ui::MessageQueue::Instance().DispatchAll(), 1);
    EXPECT_EQ(ran, std::vector<int>{2});
}

TEST_F(UiMessageQueueTest, HandlesAreNeverReused) {
    std::vector<HWND> seen;
    for (int i = 0; i < 100; ++i) {
        MessageRecorder recorder;
        seen.push_back(recorder.Handle());
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
}

TEST_F(UiMessageQueueTest, SendMessageDeliversAtOnceAndReturnsTheResult) {
    MessageRecorder recorder;
    EXPECT_EQ(SendMessage(recorder.Handle(), WM_USER + 5, 0, 10), LRESULT(WM_USER + 5 + 10));
    EXPECT_EQ(recorder.Received().size(), 1u);
    EXPECT_TRUE(ui::MessageQueue::Instance().IsEmpty());
}

TEST_F(UiMessageQueueTest, WakeHookRunsOncePerBurstFromOtherThreads) {
    MessageRecorder recorder;
    std::atomic<int> wakes{0};
    ui::MessageQueue::Instance().SetWakeHook([&] { ++wakes; });
    PostMessage(recorder.Handle(), WM_USER, 0, 0);  // from the UI thread: no wake needed
    EXPECT_EQ(wakes.load(), 0);
    std::thread([&] {
        for (int i = 0; i < 50; ++i) PostMessage(recorder.Handle(), WM_USER, 0, i);
    }).join();
    EXPECT_EQ(wakes.load(), 1);
    ui::MessageQueue::Instance().DispatchAll();
    std::thread([&] { PostMessage(recorder.Handle(), WM_USER, 0, 0); }).join();
    EXPECT_EQ(wakes.load(), 2);
    ui::MessageQueue::Instance().DispatchAll();
    EXPECT_EQ(recorder.Received().size(), 52u);
}

TEST_F(UiMessageQueueTest, WaitReturnsWhenAnotherThreadPosts) {
    MessageRecorder recorder;
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PostMessage(recorder.Handle(), WM_USER, 0, 7);
    });
    EXPECT_TRUE(ui::MessageQueue::Instance().WaitForMessage(std::chrono::seconds(30)));
    poster.join();
    ui::MessageQueue::Instance().DispatchAll();
    ASSERT_EQ(recorder.Received().size(), 1u);
}

}  // namespace
