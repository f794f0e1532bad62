// Links, permissions and special files, as a POSIX system has them.
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "package/LocalFiles.h"
#include "platform/os/LocalFile.h"
#include "support/TempDir.h"
#include "support/WithoutFileOverride.h"

namespace {

using os::LocalFile;
using os::OpenMode;
using testing_support::TempDir;

TEST(FileExists, NeedsNoAccessRights) {
    TempDir dir;
    dir.Write("locked.exe", "x");
    ::chmod(dir.File("locked.exe").c_str(), 0);
    testing_support::WithoutFileOverride asUser;
    EXPECT_EQ(FileExists(dir.File("locked.exe").c_str()), TRUE);
}

TEST(LocalFile, ReadOnlyPlacesRefuseWriting) {
    TempDir dir;
    dir.Write("readonly", "data");
    ::chmod(dir.File("readonly").c_str(), 0444);
    ::mkdir(dir.File("locked").c_str(), 0555);
    testing_support::WithoutFileOverride asUser;
    EXPECT_FALSE(
        LocalFile::Open(dir.File("readonly").c_str(), OpenMode::TruncateExisting).IsOpen());
    EXPECT_EQ(dir.Read("readonly"), "data");
    EXPECT_FALSE(LocalFile::Open(dir.File("locked/new").c_str(), OpenMode::CreateNew).IsOpen());
}

// A link named like the package is not a package: it is never probed,
// opened or written through, only replaced or removed itself.
TEST(FileExists, LinksAndOtherNonFilesAreNotFiles) {
    TempDir dir;
    dir.Write("real.exe", "x");
    ASSERT_EQ(symlink(dir.File("real.exe").c_str(), dir.File("link.exe").c_str()), 0);
    ASSERT_EQ(symlink(dir.File("gone.exe").c_str(), dir.File("dangling.exe").c_str()), 0);
    ASSERT_EQ(mkfifo(dir.File("pipe.exe").c_str(), 0644), 0);
    // A second name may be someone else's file; the first is no package either.
    ASSERT_EQ(link(dir.File("real.exe").c_str(), dir.File("hard.exe").c_str()), 0);
    for (const char* name : {"link.exe", "dangling.exe", "pipe.exe", "hard.exe", "real.exe"}) {
        EXPECT_EQ(FileExists(dir.File(name).c_str()), FALSE) << name;
    }
}

TEST(LocalFile, NoModeWritesThroughALink) {
    TempDir dir;
    TempDir outside;
    outside.Write("victim", "keep me");
    ASSERT_EQ(symlink(outside.File("victim").c_str(), dir.File("link").c_str()), 0);
    ASSERT_EQ(symlink(outside.File("new").c_str(), dir.File("dangling").c_str()), 0);
    for (OpenMode mode : {OpenMode::Probe, OpenMode::TruncateExisting, OpenMode::CreateNew}) {
        EXPECT_FALSE(LocalFile::Open(dir.File("link").c_str(), mode).IsOpen());
        EXPECT_FALSE(LocalFile::Open(dir.File("dangling").c_str(), mode).IsOpen());
    }
    EXPECT_EQ(outside.Read("victim"), "keep me");
    EXPECT_FALSE(outside.Exists("new"));
    EXPECT_TRUE(DeleteLocalFile(dir.File("link").c_str()));
    EXPECT_EQ(outside.Read("victim"), "keep me");
}

TEST(LocalFile, WhatARenameMayReplace) {
    TempDir dir;
    dir.Write("file", "x");
    ASSERT_EQ(symlink("/etc/hostname", dir.File("link").c_str()), 0);
    ASSERT_EQ(mkdir(dir.File("folder").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0644), 0);
    dir.Write("readonly", "x");
    ASSERT_EQ(chmod(dir.File("readonly").c_str(), 0444), 0);
    const struct {
        const char* name;
        int error;
    } cases[] = {{"missing", 0},     {"file", 0},      {"link", 0},
                 {"folder", EISDIR}, {"pipe", EEXIST}, {"readonly", EACCES}};
    testing_support::WithoutFileOverride asUser;
    for (const auto& c : cases) {
        EXPECT_EQ(os::CheckReplaceable(dir.File(c.name).c_str()), c.error) << c.name;
    }
    EXPECT_EQ(dir.Read("file"), "x");
}

}  // namespace
