#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "package/WizardFiles.h"
#include "platform/os/ModulePath.h"
#include "support/TempDir.h"

namespace {

using testing_support::TempDir;

TEST(WizardFilesTest, RecognisesExactlyTheNamesOfTheWizardsScratchFiles) {
    struct Case {
        const char* name;
        bool ours;
    } const cases[] = {
        {".vessamo-download-a1B2c3", true},
        {".vessamo-connection-test-ZZZZZZ", true},
        {".vessamo-download-000000", true},
        {".vessamo-download-a1B2c", false},    // one short
        {".vessamo-download-a1B2c34", false},  // one over
        {".vessamo-download-a1B2c_", false},   // not a letter or digit
        {".vessamo-download-a1B2c.", false},
        {".vessamo-download-a1 2c3", false},
        {".vessamo-download-\xc3\xa4xxxx", false},  // six bytes, not six letters
        {".Vessamo-download-a1B2c3", false},
        {"vessamo-download-a1B2c3", false},
        {"x.vessamo-download-a1B2c3", false},
        {".vessamo-connection-test-", false},
        {".vessamo-wizard.lock", false},
        {"vessamo-nten.exe", false},
        {"index.html", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWizardFileName(c.name), c.ours) << c.name;
    }
}

// Leftovers of crashed runs lie beside the user's own files, links and
// folders; only the leftovers that are regular files go.
TEST(WizardFilesTest, RemovesTheLeftoversAndNothingElse) {
    TempDir dir;
    TempDir outside;
    outside.Write("precious", "keep");
    os::SetModuleFileNameForTesting(dir.File("VessamoInstaller"));
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
    os::SetModuleFileNameForTesting("");

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
