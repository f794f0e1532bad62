#include <gtest/gtest.h>

#include "download/DownloadState.h"

namespace {

TEST(DownloadState, AccessorsStoreAndLoadWholeValues) {
    SetProgress(42);
    EXPECT_EQ(GetProgress(), 42);
    EXPECT_EQ(g_nProgress.load(), 42);
    SetProgress(100);
    EXPECT_EQ(GetProgress(), 100);

    SetCancelled(TRUE);
    EXPECT_EQ(IsCancelled(), TRUE);
    EXPECT_EQ(g_bCancel.load(), TRUE);
    SetCancelled(FALSE);
    EXPECT_EQ(IsCancelled(), FALSE);
}

TEST(DownloadState, ProgressMessageIsWmUserPlus97) {
    EXPECT_EQ(WM_DOWNLOAD_PROGRESS, 0x461u);
}

}  // namespace
