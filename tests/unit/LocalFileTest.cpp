#include <errno.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "package/LocalFiles.h"
#include "platform/os/LocalFile.h"
#include "support/TempDir.h"

namespace {

using os::LocalFile;
using os::OpenMode;
using testing_support::Backslashed;
using testing_support::TempDir;

TEST(FileExists, ExistingFileMissingPathAndDirectory) {
    TempDir dir;
    dir.Write("present.exe", "x");
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_EQ(FileExists(dir.File("present.exe").c_str()), TRUE);
    EXPECT_EQ(FileExists(Backslashed(dir.File("present.exe")).c_str()), TRUE);
    EXPECT_EQ(FileExists(dir.File("absent.exe").c_str()), FALSE);
    EXPECT_EQ(FileExists(dir.File("folder").c_str()), FALSE);
    EXPECT_EQ(FileExists((dir.Path() + "/").c_str()), FALSE);
    EXPECT_EQ(FileExists(""), FALSE);
}

TEST(DeleteLocalFile, DeletesFilesOnly) {
    TempDir dir;
    dir.Write("package.exe", "x");
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_EQ(DeleteLocalFile(Backslashed(dir.File("package.exe")).c_str()), TRUE);
    EXPECT_FALSE(dir.Exists("package.exe"));
    EXPECT_EQ(DeleteLocalFile(dir.File("package.exe").c_str()), FALSE);
    EXPECT_EQ(DeleteLocalFile(dir.File("folder").c_str()), FALSE);
    EXPECT_TRUE(dir.Exists("folder"));
}

TEST(LocalFile, TruncateExistingDiscardsOldContents) {
    TempDir dir;
    dir.Write("f", "old contents that are long");
    LocalFile file = LocalFile::Open(dir.File("f").c_str(), OpenMode::TruncateExisting);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(dir.Read("f"), "");
    EXPECT_TRUE(file.Write("new", 3));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(dir.Read("f"), "new");
    EXPECT_FALSE(LocalFile::Open(dir.File("missing").c_str(), OpenMode::TruncateExisting).IsOpen());
    EXPECT_FALSE(dir.Exists("missing"));
}

TEST(LocalFile, CreateNewFailsWhenAnythingExists) {
    TempDir dir;
    dir.Write("taken", "keep me");
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_FALSE(LocalFile::Open(dir.File("taken").c_str(), OpenMode::CreateNew).IsOpen());
    EXPECT_EQ(dir.Read("taken"), "keep me");
    EXPECT_FALSE(LocalFile::Open(dir.File("folder").c_str(), OpenMode::CreateNew).IsOpen());

    LocalFile file = LocalFile::Open(Backslashed(dir.File("new")).c_str(), OpenMode::CreateNew);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Write("abc", 3));
    // Others may read the file while it is being written.
    EXPECT_EQ(dir.Read("new"), "abc");
}

TEST(LocalFile, ProbeGrantsNoWriting) {
    TempDir dir;
    dir.Write("f", "data");
    LocalFile probe = LocalFile::Open(dir.File("f").c_str(), OpenMode::Probe);
    ASSERT_TRUE(probe.IsOpen());
    EXPECT_FALSE(probe.Write("x", 1));
    EXPECT_EQ(dir.Read("f"), "data");
}

TEST(LocalFile, MovingTransfersOwnership) {
    TempDir dir;
    LocalFile first = LocalFile::Open(dir.File("f").c_str(), OpenMode::CreateNew);
    LocalFile second = std::move(first);
    EXPECT_FALSE(first.IsOpen());  // NOLINT(bugprone-use-after-move): checked on purpose
    EXPECT_TRUE(second.IsOpen());
    EXPECT_FALSE(first.Write("x", 1));
    EXPECT_TRUE(second.Write("x", 1));
}

}  // namespace
