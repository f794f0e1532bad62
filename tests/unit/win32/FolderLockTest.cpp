// What a Windows folder may hold at the lock file's name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/os/FolderLock.h"
#include "support/TempDir.h"

namespace {

using os::FolderLock;
using testing_support::FsPath;
using testing_support::TempDir;

constexpr const char* kName = ".lock";

FolderLock::State TryLock(const std::string& directory) {
    return FolderLock::TryAcquire(directory, kName).GetState();
}

// A folder at the name is neither locked nor removed: the folder that
// holds it is locked instead, and every copy still shares that one lock.
TEST(FolderLockTest, AFolderAtTheNameLocksTheFolderItself) {
    TempDir dir;
    std::filesystem::create_directory(FsPath(dir.File(kName)));
    {
        FolderLock first = FolderLock::TryAcquire(dir.Path(), kName);
        EXPECT_EQ(first.GetState(), FolderLock::State::Held);
        EXPECT_EQ(TryLock(dir.Path() + "\\"), FolderLock::State::HeldByOther);
        // The lock does not keep others from the folder's files.
        dir.Write("other", "x");
        EXPECT_EQ(dir.Read("other"), "x");
    }
    EXPECT_EQ(TryLock(dir.Path()), FolderLock::State::Held);
    EXPECT_TRUE(std::filesystem::is_directory(FsPath(dir.File(kName))));
}

// A lock file that is a second name of another file is locked as a file;
// letting go removes the name only, never the other file's contents.
TEST(FolderLockTest, ALockFileWithASecondNameLosesOnlyThatName) {
    TempDir dir;
    TempDir outside;
    outside.Write("precious", "keep");
    std::filesystem::create_hard_link(FsPath(outside.File("precious")), FsPath(dir.File(kName)));
    {
        FolderLock lock = FolderLock::TryAcquire(dir.Path(), kName);
        EXPECT_EQ(lock.GetState(), FolderLock::State::Held);
        EXPECT_EQ(TryLock(dir.Path()), FolderLock::State::HeldByOther);
    }
    EXPECT_FALSE(dir.Exists(kName));
    EXPECT_EQ(outside.Read("precious"), "keep");
}

TEST(FolderLockTest, AFolderNamedInAnyScriptIsLocked) {
    TempDir dir;
    std::string folder = dir.File("\xC3\x84rger \xE6\x97\xA5");
    std::filesystem::create_directory(FsPath(folder));
    {
        FolderLock lock = FolderLock::TryAcquire(folder, kName);
        EXPECT_EQ(lock.GetState(), FolderLock::State::Held);
        EXPECT_TRUE(std::filesystem::exists(FsPath(folder + "\\" + kName)));
    }
    EXPECT_FALSE(std::filesystem::exists(FsPath(folder + "\\" + kName)));
}

}  // namespace
