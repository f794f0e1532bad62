// The common ground of the wizard page tests: the wizard's resources in a
// clean window model, the executable's directory in a temporary folder, the
// shell open recorded instead of starting anything, and the family detection
// and selection, the download host and the credential prompt put back when
// the test ends.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Types.h"
#include "support/TempDir.h"
#include "support/UiTestSupport.h"
#include "support/seams/TestDownloadHost.h"

namespace testing_support {

class PageTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the version query report `platformId` (VER_PLATFORM_*).
    static void DetectPlatform(DWORD platformId);
    // The executable's directory as the shell open receives it.
    std::string ModuleDirectory() const { return dir.Path() + "/"; }

    UiTestEnvironment env;
    TempDir dir;
    ShellOpenRecorder shell;
};

}  // namespace testing_support
