#include <gtest/gtest.h>

#include <atomic>

#include "platform/os/Thread.h"
#include "support/seams/TestSystemEntries.h"

namespace {

DWORD Count(LPVOID parameter) {
    static_cast<std::atomic<int>*>(parameter)->fetch_add(1);
    return 0;
}

TEST(Thread, FailedStartIsReported) {
    std::atomic<int> ran{0};
    testing_support::FailThreadStarts(1);
    os::Thread failed;
    EXPECT_FALSE(failed.Start(&Count, &ran));
    EXPECT_FALSE(failed.SetBelowNormalPriority());
    failed.Join();  // nothing to wait for
    os::Thread next;
    EXPECT_TRUE(next.Start(&Count, &ran));
    next.Join();
    EXPECT_EQ(ran.load(), 1);
}

}  // namespace
