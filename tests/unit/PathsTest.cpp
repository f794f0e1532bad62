#include <gtest/gtest.h>

#include <string>

#include "package/Paths.h"
#include "platform/os/ModulePath.h"
#include "support/TempDir.h"
#include "support/seams/TestSystemEntries.h"

namespace {

struct JoinCase {
    const char* dir;
    const char* name;
    char sep;
    const char* expected;
};

void PrintTo(const JoinCase& c, std::ostream* out) {
    *out << '"' << c.dir << "\" + \"" << c.name << '"';
}

class PathJoinTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(PathJoinTest, JoinsCollapsesAndNormalises) {
    const JoinCase& c = GetParam();
    EXPECT_EQ(PathJoinWithSeparator(c.dir, c.name, c.sep).str(), c.expected)
        << "dir=" << c.dir << " name=" << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PathJoinTest,
    ::testing::Values(
        JoinCase{"C:\\Tools\\", "vessamo-nten.exe", '\\', "C:\\Tools\\vessamo-nten.exe"},
        JoinCase{"C:\\Tools", "/a/b", '\\', "C:\\Tools\\a\\b"},
        JoinCase{"C:\\Tools\\", "", '\\', "C:\\Tools\\"},
        JoinCase{"C:\\Tools", "", '\\', "C:\\Tools\\"},
        JoinCase{"", "vessamo-nten.exe", '\\', "\\vessamo-nten.exe"},
        JoinCase{"\\\\server\\share", "x.exe", '\\', "\\server\\share\\x.exe"},
        JoinCase{"a\\b", "c", '/', "a/b/c"},
        // A mixed run "/\/": the "\/" pair goes first, leaving "//", which the
        // earlier pattern is not asked to collapse again.
        JoinCase{"a/", "\\/b", '\\', "a\\\\b"},
        // Runs of one kind shrink to a single separator.
        JoinCase{"a\\\\\\", "\\b", '\\', "a\\b"}, JoinCase{"a///", "b", '/', "a/b"},
        // "\/" pairs go before "/\" pairs, and "//" is not revisited after them.
        JoinCase{"a\\/\\", "b", '/', "a//b"}, JoinCase{"a/\\/", "b", '/', "a//b"},
        JoinCase{"/home/u/", "vessamo-w9xen.exe", '\\', "\\home\\u\\vessamo-w9xen.exe"}));

TEST(PathJoin, UsesTheBackslash) {
    EXPECT_EQ(PathJoin("C:/Tools/", "setup.exe").str(), "C:\\Tools\\setup.exe");
}

struct DirectoryCase {
    const char* path;
    const char* expected;
};

TEST(GetDirectoryPart, KeepsEverythingUpToTheLastSeparator) {
    const DirectoryCase cases[] = {
        {"C:\\Tools\\setup.exe", "C:\\Tools\\"},
        {"setup.exe", ""},
        {"a/b.exe", "a/"},
        {"", ""},
        {"a\\b/c", "a\\b/"},
        {"/", "/"},
        {"dir\\", "dir\\"},
    };
    for (const DirectoryCase& c : cases) {
        EXPECT_EQ(GetDirectoryPart(c.path).str(), c.expected) << c.path;
    }
}

TEST(ReplaceSeparators, ReplacesBothKinds) {
    EXPECT_EQ(ReplaceSeparators("a\\b/c\\\\d", '/').str(), "a/b/c//d");
    EXPECT_EQ(ReplaceSeparators("", '/').str(), "");
}

TEST(GetModuleDirectory, IsTheDirectoryOfTheExecutable) {
    testing_support::PlaceExecutable("");
    CString dir = GetModuleDirectory();
    ASSERT_FALSE(dir.IsEmpty());
    // The directory, separator included, then the program's own file name.
    const std::string module = os::GetModuleFileName();
    ASSERT_EQ(module.compare(0, dir.str().size(), dir.str()), 0) << module;
    EXPECT_EQ(module.find_first_of("/\\", dir.str().size()), std::string::npos) << module;
    EXPECT_EQ(testing_support::FsPath(module.substr(dir.str().size())).stem(),
              "vessamo_unit_tests");

    testing_support::PlaceExecutable("/opt/wizard/vessamo-installer");
    EXPECT_EQ(GetModuleDirectory().str(), "/opt/wizard/");
    testing_support::PlaceExecutable("");
}

}  // namespace
