#include <gtest/gtest.h>

#include <string>

#include "res/Resources.h"
#include "res/resource.h"

namespace {

TEST(ResStringsTest, StringTableHoldsTheSheetCaptionOnly) {
    EXPECT_EQ(res::LoadString(IDS_WIZARD_CAPTION), "Wizard");
    for (UINT id : {0u, 1u, 102u, 104u, 130u, 0xFFFFFFFFu}) {
        EXPECT_EQ(res::LoadString(id), "") << id;
    }
}

TEST(ResVersionTest, VersionInfoNamesTheProgram) {
    const res::VersionInfo& info = res::GetVersionInfo();
    EXPECT_STREQ(info.fileVersion, "1, 0, 0, 1");
    EXPECT_STREQ(info.productVersion, "1, 0, 0, 1");
    EXPECT_STREQ(info.fileDescription, "VessamoInstaller MFC Application");
    EXPECT_STREQ(info.internalName, "VessamoInstaller");
    EXPECT_STREQ(info.originalFilename, "VessamoInstaller.EXE");
    EXPECT_STREQ(info.productName, "VessamoInstaller Application");
    EXPECT_STREQ(info.stringFileInfoBlock, "040904B0");
}

}  // namespace
