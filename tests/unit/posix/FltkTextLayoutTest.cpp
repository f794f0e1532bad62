// How the renderer lays out control texts and converts dialog units,
// checked without a display: each character is measured as 6 pixels wide.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/fltk/DialogUnits.h"
#include "platform/ui/fltk/ProgressBar.h"
#include "platform/ui/fltk/TextLayout.h"

namespace {

using ui::fltk::ParseMnemonic;
using ui::fltk::TextLine;
using ui::fltk::WrapText;

std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> lines;
    for (const TextLine& line :
         WrapText(text, width, [](std::string_view run) { return 6.0 * run.size(); })) {
        lines.push_back(text.substr(line.begin, line.length));
    }
    return lines;
}

TEST(FltkMnemonic, MarksAndLiteralAmpersands) {
    struct Case {
        const char* label;
        const char* text;
        std::size_t underline;
    };
    const Case cases[] = {
        {"&Next >", "Next >", 0},
        {"< &Back", "< Back", 2},
        {"Download with &Browser", "Download with Browser", 14},
        {"Save && quit", "Save & quit", std::string::npos},
        {"A && &B", "A & B", 4},
        {"Trailing &", "Trailing &", std::string::npos},
        {"Cancel", "Cancel", std::string::npos},
        {"", "", std::string::npos},
    };
    for (const Case& c : cases) {
        ui::fltk::LabelText parsed = ParseMnemonic(c.label);
        EXPECT_EQ(parsed.text, c.text) << c.label;
        EXPECT_EQ(parsed.underline, c.underline) << c.label;
    }
}

TEST(FltkWrap, BreaksAtSpacesAndDropsThemAtTheBreak) {
    // 10 characters fit in 60 pixels.
    EXPECT_EQ(Wrap("one two three four", 60), (std::vector<std::string>{"one two", "three four"}));
    EXPECT_EQ(Wrap("fits", 60), (std::vector<std::string>{"fits"}));
    // Doubled spaces inside a line stay; those at a break go.
    EXPECT_EQ(Wrap("Wizard.  This wizard", 60),
              (std::vector<std::string>{"Wizard.", "This", "wizard"}));
    EXPECT_EQ(Wrap("ab  cd", 60), (std::vector<std::string>{"ab  cd"}));
    // A trailing space does not force an extra line.
    EXPECT_EQ(Wrap("running ", 44), (std::vector<std::string>{"running"}));
}

TEST(FltkWrap, SplitsAWordWiderThanTheLine) {
    EXPECT_EQ(Wrap("abcdefghijkl xy", 30), (std::vector<std::string>{"abcde", "fghij", "kl xy"}));
    // Even a line too narrow for one character advances.
    EXPECT_EQ(Wrap("abc", 0), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(FltkWrap, HonoursLineBreaks) {
    EXPECT_EQ(Wrap("Site: a\r\nRealm: b", 600), (std::vector<std::string>{"Site: a", "Realm: b"}));
    EXPECT_EQ(Wrap("a\n\nb", 600), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Wrap("", 600), (std::vector<std::string>{""}));
}

TEST(FltkDialogUnits, RoundEachCoordinateHalfAwayFromZero) {
    // The side picture: exactly its 80 x 280 pixels at (11, 11).
    ui::PixelRect picture = ui::fltk::UnitsToPixels({7, 7, 53, 172});
    EXPECT_EQ(picture.x, 11);
    EXPECT_EQ(picture.y, 11);
    EXPECT_EQ(picture.w, 80);
    EXPECT_EQ(picture.h, 280);
    // A wizard button, 50 x 14 units.
    EXPECT_EQ(ui::fltk::UnitsToPixelsX(50), 75);
    EXPECT_EQ(ui::fltk::UnitsToPixelsY(14), 23);
    EXPECT_EQ(ui::fltk::UnitsToPixelsY(8), 13);
    EXPECT_EQ(ui::fltk::UnitsToPixelsX(-7), -11);
    EXPECT_EQ(ui::fltk::UnitsToPixelsX(0), 0);
}

TEST(FltkProgressBar, FillsInProportionWithinTheRange) {
    EXPECT_EQ(ui::fltk::ProgressFill(200, 0, 100, 0), 0);
    EXPECT_EQ(ui::fltk::ProgressFill(200, 0, 100, 57), 114);
    EXPECT_EQ(ui::fltk::ProgressFill(200, 0, 100, 100), 200);
    // Out of range positions are clamped; an empty range fills nothing.
    EXPECT_EQ(ui::fltk::ProgressFill(200, 0, 100, 150), 200);
    EXPECT_EQ(ui::fltk::ProgressFill(200, 0, 100, -5), 0);
    EXPECT_EQ(ui::fltk::ProgressFill(200, 50, 50, 50), 0);
    EXPECT_EQ(ui::fltk::ProgressFill(200, 10, 20, 15), 100);
}

}  // namespace
