#include "platform/ui/fltk/DialogUnits.h"

namespace ui::fltk {

namespace {

// value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

int UnitsToPixelsX(int units) {
    return MulDiv(units, kBaseUnitX, 4);
}

int UnitsToPixelsY(int units) {
    return MulDiv(units, kBaseUnitY, 8);
}

PixelRect UnitsToPixels(DialogRect rect) {
    return {UnitsToPixelsX(rect.x), UnitsToPixelsY(rect.y), UnitsToPixelsX(rect.cx),
            UnitsToPixelsY(rect.cy)};
}

}  // namespace ui::fltk
