#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "platform/os/Thread.h"

namespace {

struct Probe {
    std::atomic<bool> release{false};
    std::atomic<int> priorityAtEnd{-100};
    std::atomic<int> ran{0};
};

DWORD WaitThenRecordPriority(LPVOID parameter) {
    auto* probe = static_cast<Probe*>(parameter);
    while (!probe->release.load()) os::Sleep(1);
    probe->priorityAtEnd.store(GetThreadPriority(GetCurrentThread()));
    probe->ran.fetch_add(1);
    return 0;
}

TEST(Thread, RunsBelowNormalPriorityAndJoins) {
    Probe probe;
    os::Thread thread;
    ASSERT_TRUE(thread.Start(&WaitThenRecordPriority, &probe));
    EXPECT_TRUE(thread.SetBelowNormalPriority());
    probe.release.store(true);
    thread.Join();
    EXPECT_EQ(probe.ran.load(), 1);
    EXPECT_EQ(probe.priorityAtEnd.load(), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_FALSE(thread.IsStarted());
}

}  // namespace
