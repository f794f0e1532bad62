// Files on Windows: second names, links, names in any script, and the
// errno values that the wizard's failure texts are worded from.
#include <errno.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

#include "package/LocalFiles.h"
#include "package/Paths.h"
#include "platform/os/LocalFile.h"
#include "platform/os/ModulePath.h"
#include "support/TempDir.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using os::LocalFile;
using os::OpenMode;
using testing_support::FsPath;
using testing_support::TempDir;
namespace fs = std::filesystem;

// A second name may be someone else's file; the first is no package either.
TEST(FileExists, AFileWithASecondNameIsNoPackage) {
    TempDir dir;
    dir.Write("real.exe", "MZ");
    fs::create_hard_link(FsPath(dir.File("real.exe")), FsPath(dir.File("hard.exe")));
    for (const char* name : {"hard.exe", "real.exe"}) {
        EXPECT_EQ(FileExists(dir.File(name).c_str()), FALSE) << name;
        EXPECT_EQ(LocalFile::Open(dir.File(name).c_str(), OpenMode::Probe).Error(), EMLINK);
    }
}

// Wine 8 answers CreateSymbolicLinkW with success and makes nothing, so
// this runs only where links can be made.
TEST(LocalFile, NoModeOpensOrWritesThroughALink) {
    TempDir dir;
    dir.Write("victim", "keep me");
    std::error_code error;
    fs::create_symlink(FsPath(dir.File("victim")), FsPath(dir.File("link")), error);
    if (error || !fs::is_symlink(fs::symlink_status(FsPath(dir.File("link"))))) {
        GTEST_SKIP() << "this system makes no symbolic links";
    }
    for (OpenMode mode : {OpenMode::Probe, OpenMode::TruncateExisting, OpenMode::CreateNew}) {
        EXPECT_FALSE(LocalFile::Open(dir.File("link").c_str(), mode).IsOpen());
    }
    EXPECT_EQ(os::CheckReplaceable(dir.File("link").c_str()), 0);
    EXPECT_TRUE(DeleteLocalFile(dir.File("link").c_str()));
    EXPECT_EQ(dir.Read("victim"), "keep me");
}

// The executable's folder may be named in any script: the package is
// written, found, renamed and deleted there, and nowhere else.
TEST(LocalFile, AFolderNamedInAnyScriptWorks) {
    TempDir dir;
    const std::string folder = dir.File(
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE6\x97\xA5\xE6\x9C\xAC \xD0\x96");
    fs::create_directory(FsPath(folder));
    testing_support::PlaceExecutable(folder + "\\vessamo-installer.exe");
    CString partial = PathJoin(GetModuleDirectory(), "partial");
    CString package = PathJoin(GetModuleDirectory(), "vessamo-nten.exe");
    LocalFile file = LocalFile::Open(partial, OpenMode::CreateNew);
    ASSERT_TRUE(file.IsOpen()) << file.Error();
    EXPECT_TRUE(file.Write("MZ", 2));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(os::RenameLocalPath(partial, package), 0);
    EXPECT_EQ(FileExists(package), TRUE);
    EXPECT_EQ(dir.Read(folder.substr(dir.Path().size() + 1) + "/vessamo-nten.exe"), "MZ");
    EXPECT_EQ(DeleteLocalFile(package), TRUE);
    EXPECT_FALSE(fs::exists(FsPath(folder + "/vessamo-nten.exe")));
    testing_support::PlaceExecutable("");
}

// A file, a folder and a file another open is writing.
class LocalFileKinds : public testing::Test {
  protected:
    void SetUp() override {
        dir.Write("file", "x");
        fs::create_directory(FsPath(dir.File("folder")));
        dir.Write("busy", "x");
        writer = LocalFile::Open(dir.File("busy").c_str(), OpenMode::TruncateExisting);
        ASSERT_TRUE(writer.IsOpen());
    }

    TempDir dir;
    LocalFile writer;
};

TEST_F(LocalFileKinds, FailuresReadAsErrnoValues) {
    const struct {
        const char* name;
        OpenMode mode;
        int error;
    } cases[] = {
        {"missing", OpenMode::TruncateExisting, ENOENT},
        {"missing/new", OpenMode::CreateNew, ENOENT},
        {"file", OpenMode::CreateNew, EEXIST},
        {"folder", OpenMode::Probe, EISDIR},
        {"folder", OpenMode::TruncateExisting, EISDIR},
        {"busy", OpenMode::TruncateExisting, EBUSY},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalFile::Open(dir.File(c.name).c_str(), c.mode).Error(), c.error) << c.name;
    }
}

TEST_F(LocalFileKinds, WhatARenameMayReplace) {
    const struct {
        const char* name;
        int error;
    } cases[] = {{"missing", 0}, {"file", 0}, {"folder", EISDIR}, {"busy", EBUSY}};
    for (const auto& c : cases) {
        EXPECT_EQ(os::CheckReplaceable(dir.File(c.name).c_str()), c.error) << c.name;
    }
    EXPECT_EQ(dir.Read("file"), "x");
    // What it allows, the rename does.
    dir.Write("new", "y");
    EXPECT_EQ(os::RenameLocalPath(dir.File("new").c_str(), dir.File("file").c_str()), 0);
    EXPECT_EQ(dir.Read("file"), "y");
}

// A reader that holds the new file for a moment, as a virus scanner does,
// delays the rename; one that keeps holding it fails it as busy.
TEST_F(LocalFileKinds, ARenameWaitsForAReaderOfAMoment) {
    for (auto [holdMs, error] : {std::pair{300, 0}, std::pair{4000, EBUSY}}) {
        const std::string contents = std::to_string(holdMs);
        dir.Write("new", contents);
        std::thread reader([&, holdMs = holdMs] {
            std::ifstream held(FsPath(dir.File("new")), std::ios::binary);
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(os::RenameLocalPath(dir.File("new").c_str(), dir.File("file").c_str()), error)
            << holdMs;
        reader.join();
        EXPECT_EQ(dir.Read("file") == contents, error == 0) << holdMs;
    }
}

}  // namespace
