// Leftovers removed from a Windows folder, beside what is not theirs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "package/WizardFiles.h"
#include "platform/os/ModulePath.h"
#include "support/TempDir.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using testing_support::FsPath;
using testing_support::TempDir;

// The folder's name is in several scripts, and a leftover that is a second
// name of someone's file loses that name only.
TEST(WizardFilesTest, RemovesTheLeftoversAndNothingElse) {
    TempDir dir;
    TempDir outside;
    outside.Write("precious", "keep");
    const std::string sub = "\xC3\x96rt \xE6\x97\xA5/";
    std::string folder = dir.File(sub);
    std::filesystem::create_directory(FsPath(folder));
    auto in = [&](const std::string& name) { return folder + name; };
    testing_support::PlaceExecutable(in("VessamoInstaller.exe"));
    dir.Write(sub + ".vessamo-download-Ab12Cd", "partial");
    dir.Write(sub + ".vessamo-connection-test-xY9zz0", "");
    dir.Write(sub + ".vessamo-download-Ab12C", "not ours: too short");
    dir.Write(sub + "vessamo-nten.exe", "MZ the package");
    std::filesystem::create_hard_link(FsPath(outside.File("precious")),
                                      FsPath(in(".vessamo-download-link00")));
    std::filesystem::create_directory(FsPath(in(".vessamo-download-folder")));

    RemoveWizardLeftovers();
    testing_support::PlaceExecutable("");

    EXPECT_FALSE(std::filesystem::exists(FsPath(in(".vessamo-download-Ab12Cd"))));
    EXPECT_FALSE(std::filesystem::exists(FsPath(in(".vessamo-connection-test-xY9zz0"))));
    EXPECT_FALSE(std::filesystem::exists(FsPath(in(".vessamo-download-link00"))));
    EXPECT_EQ(dir.Read(sub + ".vessamo-download-Ab12C"), "not ours: too short");
    EXPECT_EQ(dir.Read(sub + "vessamo-nten.exe"), "MZ the package");
    EXPECT_EQ(outside.Read("precious"), "keep");
    EXPECT_TRUE(std::filesystem::is_directory(FsPath(in(".vessamo-download-folder"))));
}

}  // namespace
