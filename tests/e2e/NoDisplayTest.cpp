// Without a display the wizard cannot run: it says so in one line on its
// error output and ends with a failure status, whether no display is named
// or the one named cannot be opened.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/support/Subprocess.h"
#include "support/TempDir.h"

namespace {

struct NoDisplayCase {
    const char* name;
    std::vector<std::string> env;
};

void PrintTo(const NoDisplayCase& param, std::ostream* out) {
    *out << param.name;
}

class NoDisplay : public testing::TestWithParam<NoDisplayCase> {};

TEST_P(NoDisplay, ExitsWithOneLineOnStderr) {
    testing_support::TempDir folder;
    e2e::SpawnOptions options;
    options.unset = {"DISPLAY", "WAYLAND_DISPLAY"};
    options.env = GetParam().env;
    options.stdoutPath = folder.File("stdout");
    options.stderrPath = folder.File("stderr");
    options.workingDirectory = folder.Path();
    e2e::Subprocess process({VESSAMO_EXECUTABLE}, options);
    std::optional<int> status = process.Wait(std::chrono::seconds(30));
    ASSERT_TRUE(status.has_value()) << "still running without a display";
    EXPECT_NE(*status, 0);

    std::string errors = folder.Read("stderr");
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(errors.rfind("vessamo-installer: cannot open the display", 0), 0u) << errors;
    EXPECT_EQ(folder.Read("stdout"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoDisplay,
    testing::Values(NoDisplayCase{"Unset", {}},
                    // A display number no X server uses: its socket does not exist.
                    NoDisplayCase{"Unreachable", {"DISPLAY=:31999"}}),
    [](const testing::TestParamInfo<NoDisplayCase>& param) { return param.param.name; });

}  // namespace
