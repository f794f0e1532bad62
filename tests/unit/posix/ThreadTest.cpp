#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>

#include "platform/os/Thread.h"

namespace {

struct Probe {
    std::atomic<bool> release{false};
    std::atomic<int> niceAtEnd{-100};
    std::atomic<int> ran{0};
};

DWORD WaitThenRecordNice(LPVOID parameter) {
    auto* probe = static_cast<Probe*>(parameter);
    while (!probe->release.load()) os::Sleep(1);
    probe->niceAtEnd.store(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())));
    probe->ran.fetch_add(1);
    return 0;
}

TEST(Thread, RunsLowersPriorityAndJoins) {
    Probe probe;
    int normal = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    os::Thread thread;
    ASSERT_TRUE(thread.Start(&WaitThenRecordNice, &probe));
    EXPECT_TRUE(thread.SetBelowNormalPriority());
    probe.release.store(true);
    thread.Join();
    EXPECT_EQ(probe.ran.load(), 1);
    EXPECT_EQ(probe.niceAtEnd.load(), normal + 1);
    EXPECT_FALSE(thread.IsStarted());
}

}  // namespace
