#include <gtest/gtest.h>

#include "platform/ui/win32/DialogUnits.h"

namespace {

using ui::DialogRect;
using ui::win32::BaseUnits;
using ui::win32::BaseUnitsFromMetrics;
using ui::win32::PixelRect;
using ui::win32::UnitsToPixels;

struct MetricsCase {
    const char* what;
    int alphabetWidth;
    int lineHeight;
    BaseUnits expected;
};

// The average width is taken as the dialog manager takes it: the 52
// letters' width divided by 26 (truncated), then halved with rounding.
const MetricsCase kMetrics[] = {
    {"MS Sans Serif 8 at 96 dpi", 323, 13, {6, 13}},
    {"an outline face slightly wider", 337, 12, {6, 12}},
    {"a just-below-half average rounds down after truncation", 285, 13, {5, 13}},
    {"a width whose 26th is odd rounds up", 286, 13, {6, 13}},
    {"MS Sans Serif 8 at 120 dpi", 416, 16, {8, 16}},
};

TEST(Win32DialogUnitsTest, BaseUnitsFollowTheDialogManagersAverage) {
    for (const MetricsCase& c : kMetrics) {
        BaseUnits units = BaseUnitsFromMetrics(c.alphabetWidth, c.lineHeight);
        EXPECT_EQ(units.x, c.expected.x) << c.what;
        EXPECT_EQ(units.y, c.expected.y) << c.what;
    }
}

struct RectCase {
    const char* what;
    DialogRect units;
    BaseUnits base;
    PixelRect expected;
};

const RectCase kRects[] = {
    // 53 x 172 units is exactly the side bitmap's 80 x 280 pixels.
    {"the side picture at 6 x 13", {7, 7, 53, 172}, {6, 13}, {11, 11, 80, 280}},
    {"the side picture at 8 x 16", {7, 7, 53, 172}, {8, 16}, {14, 14, 106, 344}},
    {"each coordinate rounds on its own", {1, 1, 3, 3}, {6, 13}, {2, 2, 5, 5}},
    {"negative positions round away from zero", {-3, -3, 0, 0}, {6, 13}, {-5, -5, 0, 0}},
};

TEST(Win32DialogUnitsTest, RectanglesConvertEachCoordinateRounded) {
    for (const RectCase& c : kRects) {
        PixelRect pixels = UnitsToPixels(c.units, c.base);
        EXPECT_EQ(pixels.x, c.expected.x) << c.what;
        EXPECT_EQ(pixels.y, c.expected.y) << c.what;
        EXPECT_EQ(pixels.w, c.expected.w) << c.what;
        EXPECT_EQ(pixels.h, c.expected.h) << c.what;
    }
}

}  // namespace
