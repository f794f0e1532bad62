// Files are handled in the executable's own folder, even when its name holds
// a backslash that the wizard's path strings take for a separator.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "package/LocalFiles.h"
#include "package/Paths.h"
#include "platform/os/ModulePath.h"
#include "platform/os/NativePath.h"
#include "support/TempDir.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using testing_support::TempDir;

class BackslashFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        // "back\slash" is the executable's folder; "back/slash" its look-alike.
        ASSERT_EQ(mkdir(dir.File("back\\slash").c_str(), 0755), 0);
        ASSERT_EQ(mkdir(dir.File("back").c_str(), 0755), 0);
        ASSERT_EQ(mkdir(dir.File("back/slash").c_str(), 0755), 0);
        testing_support::PlaceExecutable(Ours("vessamo-installer"));
    }
    void TearDown() override { testing_support::PlaceExecutable(""); }

    std::string Ours(const std::string& name) const { return dir.File(kOurs + name); }

    static constexpr const char* kOurs = "back\\slash/";
    static constexpr const char* kLookAlike = "back/slash/";

    TempDir dir;
};

TEST_F(BackslashFolder, PathsInTheExecutablesFolderStayThere) {
    CString package = PathJoin(GetModuleDirectory(), "vessamo-nten.exe");
    EXPECT_EQ(os::ToNativePath(package), Ours("vessamo-nten.exe"));
    EXPECT_EQ(os::ToNativePath(GetModuleDirectory()), Ours(""));
    EXPECT_EQ(os::ToNativePath(ReplaceSeparators(GetModuleDirectory(), '\\')), Ours(""));
    // Outside it, a backslash is a separator as before.
    EXPECT_EQ(os::ToNativePath("\\tmp\\other\\file"), "/tmp/other/file");
    EXPECT_EQ(os::ToNativePath(dir.File("back\\slashy\\f").c_str()), dir.File("back/slashy/f"));
}

TEST_F(BackslashFolder, FileFunctionsActOnlyInTheExecutablesFolder) {
    CString package = PathJoin(GetModuleDirectory(), "vessamo-nten.exe");
    dir.Write(std::string(kLookAlike) + "vessamo-nten.exe", "not ours");
    EXPECT_EQ(FileExists(package), FALSE);
    EXPECT_EQ(DeleteLocalFile(package), FALSE);

    dir.Write(std::string(kOurs) + "vessamo-nten.exe", "ours");
    EXPECT_EQ(FileExists(package), TRUE);
    EXPECT_EQ(DeleteLocalFile(package), TRUE);
    EXPECT_FALSE(dir.Exists(std::string(kOurs) + "vessamo-nten.exe"));
    EXPECT_EQ(dir.Read(std::string(kLookAlike) + "vessamo-nten.exe"), "not ours");
}

// The executable's own name may hold a backslash too; only its folder counts.
TEST_F(BackslashFolder, ABackslashInTheExecutablesNameIsNoSeparator) {
    ASSERT_EQ(mkdir(dir.File(std::string(kOurs) + "vessamo").c_str(), 0755), 0);
    testing_support::PlaceExecutable(Ours("vessamo\\installer"));
    EXPECT_EQ(os::ToNativePath(PathJoin(GetModuleDirectory(), "vessamo-nten.exe")),
              Ours("vessamo-nten.exe"));
}

// A folder that cannot be read leaves the wizard no folder to work in: its
// paths then open nothing, rather than files at the root of the disk.
TEST(UnknownFolder, PathsOnAnEmptyFolderNameNoFile) {
    testing_support::PlaceExecutable("vessamo-installer");
    EXPECT_EQ(GetModuleDirectory(), "");
    CString package = PathJoin(GetModuleDirectory(), "vessamo-nten.exe");
    EXPECT_EQ(os::ToNativePath(package), "");
    EXPECT_EQ(FileExists("\\etc\\hostname"), FALSE);
    testing_support::PlaceExecutable("");
}

}  // namespace
