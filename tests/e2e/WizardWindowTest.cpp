// The wizard in a real window: it appears with its title, icon and template
// layout; walked with the keyboard alone, Return goes to the next page,
// Alt+B back again, Escape (or Tab and Space on Cancel) cancels and the
// program ends; mouse clicks press buttons and set check boxes and radio
// buttons; the close box cancels. On a desktop at twice the classic font
// density everything is twice as large, the side picture scaled smoothly.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "RouteSupport.h"
#include "WizardLayout.h"
#include "WizardRun.h"

namespace {

using e2e::WindowImage;
using e2e::layout::Button;
using e2e::layout::Rect;
using e2e::route::CheckBoxAt;
using e2e::route::IsOsPage;
using e2e::route::IsWelcomePage;
using e2e::route::kBlack;
using e2e::route::kFace;
using e2e::route::kWhite;

Rect PageArea() {
    return e2e::layout::ToPixels(e2e::layout::PageArea());
}

// The OS page's "Select package manually." box is drawn: where it is not,
// the OS page is not shown.
bool ShowsManualBox(const WindowImage& image) {
    return CheckBoxAt(image, e2e::layout::ControlById(IDD_WIZ_OS, IDC_SELECT_MANUALLY));
}

// The first dot of the focus rectangle, 4 pixels inside a button.
bool HasFocusDot(const WindowImage& image, Button button) {
    Rect r = e2e::layout::SheetButton(button);
    return image.Colour(r.x + 4, r.y + 4) == kBlack;
}

std::string BitmapColour(const res::Image& bitmap, int x, int y) {
    const unsigned char* p = bitmap.pixels + (y * bitmap.width + x) * bitmap.depth;
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02X%02X%02X", p[0], p[1], p[2]);
    return colour;
}

int CountBitmapMismatches(const WindowImage& image) {
    res::Image bitmap = res::LoadBitmap(IDB_WIZARD);
    Rect picture = e2e::layout::ToPixels({7, 7, 53, 172});
    if (picture.w != bitmap.width || picture.h != bitmap.height) return -1;
    int wrong = 0;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (image.Colour(picture.x + x, picture.y + y) != BitmapColour(bitmap, x, y)) ++wrong;
        }
    }
    return wrong;
}

TEST(WizardWindow, OpensWithTitleIconAndTemplateLayout) {
    e2e::WizardRun run("window");
    ASSERT_FALSE(run.WindowId().empty()) << "no window titled " << e2e::kWizardTitle;
    Rect sheet = e2e::layout::Sheet();
    e2e::WindowGeometry geometry = run.Screen().Geometry(run.WindowId());
    EXPECT_EQ(geometry.width, sheet.w);
    EXPECT_EQ(geometry.height, sheet.h);

    WindowImage welcome = run.WaitForImage(IsWelcomePage);
    ASSERT_FALSE(welcome.Empty());
    run.Screen().ScreenshotWindow(run.WindowId(), "welcome");

    EXPECT_EQ(CountBitmapMismatches(welcome), 0) << "the side picture is not the bitmap, unscaled";
    // Next is the default button (dark outer frame) and has the focus;
    // Cancel has the raised edge only.
    Rect next = e2e::layout::SheetButton(Button::Next);
    Rect cancel = e2e::layout::SheetButton(Button::Cancel);
    EXPECT_EQ(welcome.Colour(next.x, next.y), kBlack);
    EXPECT_EQ(welcome.Colour(next.x + next.w - 1, next.y + next.h - 1), kBlack);
    EXPECT_EQ(welcome.Colour(cancel.x, cancel.y), kWhite);
    EXPECT_TRUE(HasFocusDot(welcome, Button::Next));
    EXPECT_FALSE(HasFocusDot(welcome, Button::Cancel));
    // Each button shows its label inside its bevel (Back's greyed).
    for (Button button : {Button::Back, Button::Next, Button::Cancel, Button::Help}) {
        Rect r = e2e::layout::SheetButton(button);
        EXPECT_GT(welcome.CountOther(r.x + 5, r.y + 5, r.w - 10, r.h - 10, kFace), 10);
    }
    // The page's texts stay inside the page: nothing drawn right of the
    // welcome template's width but the face colour.
    const ui::DialogTemplate* intro = res::FindDialogTemplate(IDD_WIZ_INTRO);
    int introRight = e2e::layout::Px(intro->cx);
    EXPECT_EQ(welcome.CountOther(introRight, 0, sheet.w - introRight, PageArea().h, kFace), 0);

    // The icon was set before the window was mapped.
    e2e::CommandResult icon =
        e2e::RunCommand({"xprop", "-id", run.WindowId(), "_NET_WM_ICON"}, {run.DisplayEntry()});
    EXPECT_NE(icon.output.find("32 x 32"), std::string::npos) << icon.output;
}

// Pixels of the picture area at twice the density whose colour the bitmap
// does not have: a picture scaled in blocks has none.
int CountBlendedPixels(const WindowImage& image, Rect picture) {
    res::Image bitmap = res::LoadBitmap(IDB_WIZARD);
    std::set<std::string> own;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) own.insert(BitmapColour(bitmap, x, y));
    }
    int blended = 0;
    for (int y = picture.y; y < picture.y + picture.h; ++y) {
        for (int x = picture.x; x < picture.x + picture.w; ++x) {
            blended += own.count(image.Colour(x, y)) == 0 ? 1 : 0;
        }
    }
    return blended;
}

TEST(WizardWindow, GrowsWithTheDesktopFontDensity) {
    e2e::WizardOptions options;
    options.fontDpi = 192;
    e2e::WizardRun run("window-192dpi", options);
    ASSERT_FALSE(run.WindowId().empty());
    Rect classic = e2e::layout::Sheet();
    e2e::WindowGeometry geometry = run.Screen().Geometry(run.WindowId());
    EXPECT_NEAR(static_cast<double>(geometry.width) / classic.w, 2.0, 0.1) << geometry.width;
    EXPECT_NEAR(static_cast<double>(geometry.height) / classic.h, 2.0, 0.1) << geometry.height;

    // The picture at twice its classic place, less a margin for rounding.
    Rect picture = e2e::layout::ToPixels({7, 7, 53, 172});
    picture = {2 * picture.x + 2, 2 * picture.y + 2, 2 * picture.w - 4, 2 * picture.h - 4};
    WindowImage welcome = run.WaitForImage([picture](const WindowImage& image) {
        return image.CountOther(picture.x, picture.y, picture.w, picture.h, kFace) > 1000;
    });
    ASSERT_FALSE(welcome.Empty()) << "the side picture was not drawn";
    run.Shot("welcome");
    EXPECT_GT(CountBlendedPixels(welcome, picture), picture.w * picture.h / 20);
    // Next, the default button, wears its dark frame two pixels wide.
    Rect next = e2e::layout::SheetButton(Button::Next);
    EXPECT_EQ(welcome.Colour(2 * next.x + 1, 2 * next.y + 1), kBlack);

    e2e::CommandResult icon =
        e2e::RunCommand({"xprop", "-id", run.WindowId(), "_NET_WM_ICON"}, {run.DisplayEntry()});
    EXPECT_NE(icon.output.find("64 x 64"), std::string::npos) << icon.output.substr(0, 200);
}

TEST(WizardWindow, KeyboardWalksNextBackAndCancel) {
    e2e::WizardRun run("keyboard");
    ASSERT_FALSE(run.WindowId().empty());
    WindowImage welcome = run.WaitForImage(IsWelcomePage);
    ASSERT_FALSE(welcome.Empty());
    ASSERT_FALSE(ShowsManualBox(welcome));
    run.Screen().ScreenshotWindow(run.WindowId(), "1-welcome");

    // Return presses the default button, Next. The OS page tests the
    // connection first, which may take a while; its result does not matter.
    run.Keys({"Return"});
    WindowImage os = run.WaitForImage(IsOsPage);
    run.Screen().ScreenshotWindow(run.WindowId(), "2-os-page");
    ASSERT_FALSE(os.Empty()) << "Return did not lead to the OS page";
    Rect area = PageArea();
    EXPECT_GT(os.CountDifferences(welcome, 0, 0, area.w, area.h), 1000);
    EXPECT_EQ(run.Screen().WindowTitle(run.WindowId()), e2e::kWizardTitle);

    // Alt+B presses "< &Back": the welcome page again, pixel for pixel.
    run.Keys({"alt+b"});
    WindowImage again = run.WaitForImage(
        [](const WindowImage& image) { return !ShowsManualBox(image) && IsWelcomePage(image); });
    run.Screen().ScreenshotWindow(run.WindowId(), "3-welcome-again");
    ASSERT_FALSE(again.Empty()) << "Alt+B did not lead back to the welcome page";
    EXPECT_EQ(again.CountDifferences(welcome, 0, 0, area.w, area.h), 0);

    // Escape presses Cancel: the wizard closes and the program ends.
    run.Keys({"Escape"});
    EXPECT_EQ(run.Process().Wait(std::chrono::seconds(30)), 0);
    EXPECT_TRUE(run.Screen().WaitForWindowGone(e2e::kWizardTitle));
}

TEST(WizardWindow, TabMovesTheFocusAndSpacePressesCancel) {
    e2e::WizardRun run("tab");
    ASSERT_FALSE(run.WindowId().empty());
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage).Empty());

    // Back is disabled on the welcome page: Tab goes from Next to Cancel.
    run.Keys({"Tab"});
    WindowImage moved = run.WaitForImage(
        [](const WindowImage& image) { return HasFocusDot(image, Button::Cancel); });
    run.Screen().ScreenshotWindow(run.WindowId(), "focus-on-cancel");
    ASSERT_FALSE(moved.Empty()) << "Tab did not move the focus to Cancel";
    EXPECT_FALSE(HasFocusDot(moved, Button::Next));

    run.Keys({"space"});
    EXPECT_EQ(run.Process().Wait(std::chrono::seconds(30)), 0);
    EXPECT_TRUE(run.Screen().WaitForWindowGone(e2e::kWizardTitle));
}

// A radio button's 12-pixel glyph, centred in the control's height.
Rect RadioGlyph(int id) {
    Rect radio = e2e::layout::ControlById(IDD_WIZ_OS, id);
    return {radio.x, radio.y + (radio.h - 12) / 2, 12, 12};
}

bool RadioEnabled(const WindowImage& image, int id) {
    Rect glyph = RadioGlyph(id);
    return image.Filled(glyph.x + 4, glyph.y + 2, 4, 1, kWhite);
}

// The dot is black, or grey while the button is disabled.
bool RadioChecked(const WindowImage& image, int id) {
    Rect glyph = RadioGlyph(id);
    int dot = 0;
    for (int y = glyph.y + 4; y < glyph.y + 8; ++y) {
        for (int x = glyph.x + 4; x < glyph.x + 8; ++x) {
            std::string colour = image.Colour(x, y);
            dot += colour == kBlack || colour == "#808080" ? 1 : 0;
        }
    }
    return dot >= 12;
}

void ClickCentre(e2e::WizardRun& run, Rect r) {
    run.Screen().Click(run.WindowId(), r.x + r.w / 2, r.y + r.h / 2);
}

TEST(WizardWindow, MouseClicksPressButtonsAndSetChoices) {
    e2e::WizardRun run("mouse");
    ASSERT_FALSE(run.WindowId().empty());
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage).Empty());

    ClickCentre(run, e2e::layout::SheetButton(Button::Next));
    WindowImage os = run.WaitForImage(IsOsPage);
    ASSERT_FALSE(os.Empty()) << "clicking Next did not lead to the OS page";
    // The detected family is chosen and both radio buttons are disabled.
    EXPECT_FALSE(RadioEnabled(os, IDC_WIN9X));
    EXPECT_FALSE(RadioEnabled(os, IDC_WINNT));
    EXPECT_NE(RadioChecked(os, IDC_WIN9X), RadioChecked(os, IDC_WINNT));

    // "Select package manually." enables them; a click chooses the other family.
    Rect manual = e2e::layout::ControlById(IDD_WIZ_OS, IDC_SELECT_MANUALLY);
    run.Screen().Click(run.WindowId(), manual.x + 6, manual.y + manual.h / 2);
    WindowImage enabled = run.WaitForImage([](const WindowImage& image) {
        return RadioEnabled(image, IDC_WIN9X) && RadioEnabled(image, IDC_WINNT);
    });
    ASSERT_FALSE(enabled.Empty()) << "the check box did not enable the radio buttons";
    int other = RadioChecked(enabled, IDC_WINNT) ? IDC_WIN9X : IDC_WINNT;
    Rect glyph = RadioGlyph(other);
    run.Screen().Click(run.WindowId(), glyph.x + 6, glyph.y + 6);
    WindowImage chosen =
        run.WaitForImage([other](const WindowImage& image) { return RadioChecked(image, other); });
    ASSERT_FALSE(chosen.Empty()) << "clicking a radio button did not choose it";
    EXPECT_FALSE(RadioChecked(chosen, other == IDC_WIN9X ? IDC_WINNT : IDC_WIN9X));
    run.Screen().ScreenshotWindow(run.WindowId(), "chosen-by-hand");

    // A click beside the buttons does nothing; Cancel ends the wizard.
    Rect cancel = e2e::layout::SheetButton(Button::Cancel);
    run.Screen().Click(run.WindowId(), cancel.x - 3, cancel.y + cancel.h / 2);
    EXPECT_FALSE(run.Process().Wait(std::chrono::milliseconds(500)).has_value());
    ClickCentre(run, cancel);
    EXPECT_EQ(run.Process().Wait(std::chrono::seconds(30)), 0);
}

TEST(WizardWindow, CloseBoxCancelsTheWizard) {
    e2e::WizardRun run("close-box");
    ASSERT_FALSE(run.WindowId().empty());
    ASSERT_FALSE(run.WaitForImage(IsWelcomePage).Empty());
    ASSERT_TRUE(run.Screen().CloseBox(run.WindowId()));
    EXPECT_EQ(run.Process().Wait(std::chrono::seconds(30)), 0);
    EXPECT_TRUE(run.Screen().WaitForWindowGone(e2e::kWizardTitle));
}

}  // namespace
