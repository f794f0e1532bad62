// Leftovers removed from a POSIX folder, beside links of every kind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "package/WizardFiles.h"
#include "platform/os/ModulePath.h"
#include "support/TempDir.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using testing_support::TempDir;

// Leftovers of crashed runs lie beside the user's own files, links and
// folders; only the leftovers that are regular files go.
TEST(WizardFilesTest, RemovesTheLeftoversAndNothingElse) {
    TempDir dir;
    TempDir outside;
    outside.Write("precious", "keep");
    testing_support::PlaceExecutable(dir.File("VessamoInstaller"));
    dir.Write(".vessamo-download-Ab12Cd", "partial");
    dir.Write(".vessamo-connection-test-xY9zz0", "");
    dir.Write(".vessamo-download-Ab12C", "not ours: too short");
    dir.Write("vessamo-nten.exe", "MZ the package");
    dir.Write(".vessamo-wizard.lock", "");
    symlink(outside.File("precious").c_str(), dir.File(".vessamo-download-link00").c_str());
    mkdir(dir.File(".vessamo-download-folder").c_str(), 0755);
    mkdir(dir.File("sub").c_str(), 0755);
    dir.Write("sub/.vessamo-download-deeper", "another folder's");

    RemoveWizardLeftovers();
    testing_support::PlaceExecutable("");

    EXPECT_FALSE(dir.Exists(".vessamo-download-Ab12Cd"));
    EXPECT_FALSE(dir.Exists(".vessamo-connection-test-xY9zz0"));
    EXPECT_EQ(dir.Read(".vessamo-download-Ab12C"), "not ours: too short");
    EXPECT_EQ(dir.Read("vessamo-nten.exe"), "MZ the package");
    EXPECT_TRUE(dir.Exists(".vessamo-wizard.lock"));
    struct stat info {};
    EXPECT_EQ(lstat(dir.File(".vessamo-download-link00").c_str(), &info), 0);
    EXPECT_EQ(outside.Read("precious"), "keep");
    EXPECT_TRUE(dir.Exists(".vessamo-download-folder"));
    EXPECT_EQ(dir.Read("sub/.vessamo-download-deeper"), "another folder's");
}

}  // namespace
