// The pages the wizard shows whatever the download host answers,
// photographed for docs/screenshots: welcome, the OS page, and the
// browser-download page that asking to keep the installer leads to.
#include <gtest/gtest.h>

#include "RouteSupport.h"
#include "WizardLayout.h"
#include "WizardRun.h"

namespace {

using e2e::WindowImage;
using e2e::layout::Rect;
using e2e::route::IsOsPage;
using e2e::route::IsWelcomePage;
using e2e::route::kWhite;

bool BoxChecked(const WindowImage& image, UINT page, int id) {
    Rect box = e2e::layout::ControlById(page, id);
    int top = box.y + (box.h - 13) / 2;
    // The tick's long stroke crosses the middle of the box.
    return image.CountDark(box.x + 3, top + 3, 7, 7) >= 10;
}

// One pixel of a check box's inside is white: looser than route::CheckBoxAt,
// so `!BoxShown` is the stricter test that the box is gone.
bool BoxShown(const WindowImage& image, UINT page, int id) {
    Rect box = e2e::layout::ControlById(page, id);
    int top = box.y + (box.h - 13) / 2;
    return image.Colour(box.x + 2, top + 2) == kWhite;
}

TEST(WizardPages, EachReachablePageIsDrawnFromItsTemplate) {
    e2e::WizardRun run("pages");
    ASSERT_FALSE(run.WindowId().empty());
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage).Empty());
    run.Screen().ScreenshotWindow(run.WindowId(), "welcome");

    run.Keys({"Return"});
    WindowImage os = run.WaitForImage(IsOsPage);
    ASSERT_FALSE(os.Empty());
    run.Screen().ScreenshotWindow(run.WindowId(), "operating-system");
    EXPECT_FALSE(BoxChecked(os, IDD_WIZ_OS, IDC_SAVE_INSTALL_FILE));
    // The detected family's name, in bold, where control 1003 stands.
    Rect name = e2e::layout::ControlById(IDD_WIZ_OS, IDC_OS_NAME);
    EXPECT_GT(os.CountDark(name.x, name.y, name.w, name.h), 20);

    // The first tab stop is "Select package manually."; the next one is
    // "Save install file ...": Space checks it, and Next then leads to the
    // browser-download page whatever the connection test found.
    run.Keys({"Tab", "space"});
    WindowImage checked = run.WaitForImage([](const WindowImage& image) {
        return BoxChecked(image, IDD_WIZ_OS, IDC_SAVE_INSTALL_FILE);
    });
    ASSERT_FALSE(checked.Empty()) << "Tab and Space did not check the box";
    EXPECT_FALSE(BoxChecked(checked, IDD_WIZ_OS, IDC_SELECT_MANUALLY));

    run.Keys({"Return"});
    WindowImage manual = run.WaitForImage([](const WindowImage& image) {
        // The OS page's check boxes are gone; the browser button's label is there.
        Rect button = e2e::layout::ControlById(IDD_WIZ_MANUAL_DOWNLOAD, IDC_BROWSER_DOWNLOAD);
        return !BoxShown(image, IDD_WIZ_OS, IDC_SAVE_INSTALL_FILE) &&
               image.CountDark(button.x + 4, button.y + 4, button.w - 8, button.h - 8) > 100;
    });
    ASSERT_FALSE(manual.Empty()) << "Next did not lead to the browser-download page";
    run.Screen().ScreenshotWindow(run.WindowId(), "browser-download");

    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(std::chrono::seconds(30)), 0);
}

}  // namespace
