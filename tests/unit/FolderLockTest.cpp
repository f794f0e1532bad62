#include <gtest/gtest.h>

#include <string>

#include "platform/os/FolderLock.h"
#include "support/TempDir.h"
#include "unit/FolderLockTry.h"

namespace {

using os::FolderLock;
using testing_support::TempDir;

using testing_support::TryLock;
constexpr const char* kName = testing_support::kLockName;

TEST(FolderLockTest, OneHolderAtATimeWhoRemovesTheFileWhenItLetsGo) {
    TempDir dir;
    {
        FolderLock first = FolderLock::TryAcquire(dir.Path() + "/", kName);
        ASSERT_EQ(first.GetState(), FolderLock::State::Held);
        EXPECT_EQ(TryLock(dir), FolderLock::State::HeldByOther);
        EXPECT_EQ(TryLock(dir), FolderLock::State::HeldByOther);
        EXPECT_TRUE(dir.Exists(kName));
    }
    EXPECT_FALSE(dir.Exists(kName));
    FolderLock again = FolderLock::TryAcquire(dir.Path(), kName);
    EXPECT_EQ(again.GetState(), FolderLock::State::Held);
    {
        FolderLock moved = std::move(again);
        EXPECT_EQ(TryLock(dir), FolderLock::State::HeldByOther);
    }
    EXPECT_FALSE(dir.Exists(kName));
    EXPECT_EQ(TryLock(dir), FolderLock::State::Held);
}

TEST(FolderLockTest, AFolderThatCannotBeReachedIsUnavailable) {
    TempDir dir;
    EXPECT_EQ(FolderLock::TryAcquire(dir.File("missing"), kName).GetState(),
              FolderLock::State::Unavailable);
    EXPECT_EQ(FolderLock::TryAcquire("", kName).GetState(), FolderLock::State::Unavailable);
}

}  // namespace
