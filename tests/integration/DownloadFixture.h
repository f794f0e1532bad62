// The common ground of the download routine's tests: a TestHost that the
// routine uses as its download host, a temporary folder for the local file,
// a clean cancel flag and progress, and no credential prompt.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/TestHost.h"
#include "support/seams/TestDownloadHost.h"

namespace testing_support {

class DownloadFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // DownloadFile(object, <temporary folder>/name).
    BOOL Download(const std::string& object, const std::string& name = "package.exe");
    std::string LocalPath(const std::string& name = "package.exe") const { return dir.File(name); }
    // Serves three objects whose downloads fail before any body byte: a
    // hang-up, a garbage status line and a head that never comes.
    std::vector<const char*> ServeFailuresBeforeTheBody();

    TestHost host;
    TempDir dir;
};

// The path of the download in progress in `dir` (a file named with
// kPartialDownloadPrefix); "" when there is none or more than one.
std::string PartialFileIn(const TempDir& dir);
// Whether `name` is one the download routine gives its partial files.
bool IsPartialFileName(const std::string& name);

// How many of this process's open descriptors refer to the file at `path`.
int OpenDescriptorsOf(const std::string& path);

}  // namespace testing_support
