// Dialog units to pixels, as every renderer converts them.
#include <gtest/gtest.h>

#include "platform/ui/DialogUnits.h"

namespace {

using ui::BaseUnits;
using ui::DialogRect;
using ui::PixelRect;
using ui::UnitsToPixels;

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
    // FLTK's units at 120 dpi: 7.5 x 16.25 pixels, stated in 96ths.
    {"a fractional base rounds once", {7, 7, 53, 172}, {6 * 120, 13 * 120, 96}, {13, 14, 99, 349}},
};

TEST(DialogUnitsTest, RectanglesConvertEachCoordinateRounded) {
    for (const RectCase& c : kRects) {
        EXPECT_EQ(UnitsToPixels(c.units, c.base), c.expected) << c.what;
    }
}

}  // namespace
