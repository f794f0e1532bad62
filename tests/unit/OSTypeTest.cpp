#include <gtest/gtest.h>

#include "package/OSType.h"
#include "package/PackageName.h"
#include "platform/os/ModulePath.h"
#include "platform/os/VersionInfo.h"
#include "support/seams/TestSystemEntries.h"

namespace {

class OSTypeTest : public ::testing::Test {
  protected:
    void TearDown() override {
        testing_support::ReportPlatformId(std::nullopt);
        SetOSType(OSTYPE_AUTODETECT);
    }
};

TEST_F(OSTypeTest, DetectionMapsThePlatformIdentifier) {
    const struct {
        DWORD platformId;
        int expected;
    } cases[] = {
        {0, OSTYPE_AUTODETECT}, {1, OSTYPE_WIN9X}, {2, OSTYPE_WINNT}, {7, OSTYPE_AUTODETECT}};
    for (const auto& c : cases) {
        testing_support::ReportPlatformId(c.platformId);
        EXPECT_EQ(GetOSType(), c.expected) << "platform " << c.platformId;
        EXPECT_EQ(g_nOSType.load(), OSTYPE_AUTODETECT) << "detection must not be stored";
    }
}

TEST_F(OSTypeTest, ThisSystemReportsTheNtFamily) {
    EXPECT_EQ(GetOSType(), OSTYPE_WINNT);
}

TEST_F(OSTypeTest, ManualChoiceOverridesAndCanBeDiscarded) {
    SetOSType(OSTYPE_WIN9X);
    EXPECT_EQ(GetOSType(), OSTYPE_WIN9X);
    testing_support::ReportPlatformId(VER_PLATFORM_WIN32s);
    EXPECT_EQ(GetOSType(), OSTYPE_WIN9X);
    SetOSType(OSTYPE_AUTODETECT);
    EXPECT_EQ(GetOSType(), OSTYPE_AUTODETECT);
    testing_support::ReportPlatformId(VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(GetOSType(), OSTYPE_WINNT);
}

TEST_F(OSTypeTest, VersionQueryChecksTheStructureSize) {
    OSVERSIONINFO info{};
    info.dwOSVersionInfoSize = 100;
    EXPECT_EQ(GetVersionEx(&info), FALSE);
    EXPECT_EQ(GetVersionEx(nullptr), FALSE);
    info.dwOSVersionInfoSize = 148;
    EXPECT_EQ(GetVersionEx(&info), TRUE);
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
}

TEST_F(OSTypeTest, PackageNamePerFamily) {
    EXPECT_EQ(GetPackageName(2).str(), "vessamo-nten.exe");
    EXPECT_EQ(GetPackageName(1).str(), "vessamo-w9xen.exe");
    for (int other : {3, 0, -1, 4, 1000}) EXPECT_EQ(GetPackageName(other).str(), "") << other;
}

TEST_F(OSTypeTest, PackagePathFollowsTheChoice) {
    testing_support::PlaceExecutable("/opt/wizard/vessamo-installer");
    EXPECT_EQ(GetPackagePath().str(), "\\opt\\wizard\\vessamo-nten.exe");
    SetOSType(OSTYPE_WIN9X);
    EXPECT_EQ(GetPackagePath().str(), "\\opt\\wizard\\vessamo-w9xen.exe");
    testing_support::ReportPlatformId(VER_PLATFORM_WIN32s);
    SetOSType(OSTYPE_AUTODETECT);
    EXPECT_EQ(GetPackagePath().str(), "\\opt\\wizard\\");
    testing_support::PlaceExecutable("");
}

}  // namespace
