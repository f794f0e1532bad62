// Windows paths as the wizard builds them and as the file functions take them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "package/LocalFiles.h"
#include "package/Paths.h"
#include "platform/os/LocalFile.h"
#include "platform/os/ModulePath.h"
#include "platform/os/NativePath.h"
#include "support/TempDir.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using testing_support::FsPath;
using testing_support::TempDir;

class ModuleAt : public ::testing::Test {
  protected:
    void TearDown() override { testing_support::PlaceExecutable(""); }
};

TEST_F(ModuleAt, TheRealModuleIsAnExistingProgram) {
    std::string module = os::GetModuleFileName();
    ASSERT_GE(module.size(), 7u);
    EXPECT_EQ(module.substr(1, 2), ":\\") << module;
    EXPECT_EQ(module.substr(module.size() - 4), ".exe") << module;
    EXPECT_EQ(FileExists(module.c_str()), TRUE) << module;
}

// The wizard's joins collapse the two backslashes of a network folder; in
// the executable's own folder the file functions put them back.
TEST_F(ModuleAt, ANetworkFolderKeepsItsName) {
    testing_support::PlaceExecutable("\\\\server\\share\\tools\\vessamo-installer.exe");
    CString package = PathJoin(GetModuleDirectory(), "vessamo-nten.exe");
    EXPECT_EQ(package.str(), "\\server\\share\\tools\\vessamo-nten.exe");
    EXPECT_EQ(os::ToNativePath(package), "\\\\server\\share\\tools\\vessamo-nten.exe");
    // Elsewhere a path stays as built, in the platform's separators.
    EXPECT_EQ(os::ToNativePath("C:/other/file"), "C:\\other\\file");
    EXPECT_EQ(os::ToNativePath("\\server\\share\\toolsy\\f"), "\\server\\share\\toolsy\\f");
}

// A folder that cannot be read leaves the wizard no folder to work in: its
// paths then open nothing, rather than files at the root of the drive.
TEST_F(ModuleAt, AnUnknownFolderNamesNoFile) {
    std::string module = os::GetModuleFileName();
    testing_support::PlaceExecutable("vessamo-installer.exe");
    EXPECT_EQ(GetModuleDirectory(), "");
    EXPECT_EQ(os::ToNativePath(PathJoin(GetModuleDirectory(), "vessamo-nten.exe")), "");
    EXPECT_EQ(FileExists(module.c_str()), FALSE);
}

// Past the classic 260 characters a folder works as well as a short one.
TEST_F(ModuleAt, AFolderBeyond260CharactersWorks) {
    TempDir dir;
    std::string folder = "\\\\?\\" + dir.Path();
    while (folder.size() < 300) {
        folder += "\\a-folder-name-of-some-length";
        ASSERT_TRUE(std::filesystem::create_directory(FsPath(folder))) << folder;
    }
    std::string plain = folder.substr(4);
    testing_support::PlaceExecutable(plain + "\\vessamo-installer.exe");
    CString package = PathJoin(GetModuleDirectory(), "vessamo-nten.exe");
    os::LocalFile file = os::LocalFile::Open(package, os::OpenMode::CreateNew);
    ASSERT_TRUE(file.IsOpen()) << file.Error();
    EXPECT_TRUE(file.Write("MZ", 2));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(FileExists(package), TRUE);
    EXPECT_EQ(DeleteLocalFile(package), TRUE);
    EXPECT_EQ(FileExists(package), FALSE);
}

}  // namespace
