#include "platform/ui/fltk/DialogUnits.h"

#include "platform/ui/fltk/Density.h"

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

double BaseUnitX() {
    return static_cast<double>(kBaseUnitX) * Density::Dpi() / Density::kClassicDpi;
}

int UnitsToPixelsX(int units) {
    return MulDiv(units, kBaseUnitX * Density::Dpi(), 4 * Density::kClassicDpi);
}

int UnitsToPixelsY(int units) {
    return MulDiv(units, kBaseUnitY * Density::Dpi(), 8 * Density::kClassicDpi);
}

PixelRect UnitsToPixels(DialogRect rect) {
    return {UnitsToPixelsX(rect.x), UnitsToPixelsY(rect.y), UnitsToPixelsX(rect.cx),
            UnitsToPixelsY(rect.cy)};
}

}  // namespace ui::fltk
