#include "platform/ui/DialogUnits.h"

namespace ui {

namespace {

// value * numerator / denominator, rounded half away from zero (MulDiv).
int MulDivRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

int UnitsToPixelsX(int units, BaseUnits base) {
    return MulDivRounded(units, base.x, 4 * base.scale);
}

int UnitsToPixelsY(int units, BaseUnits base) {
    return MulDivRounded(units, base.y, 8 * base.scale);
}

PixelRect UnitsToPixels(DialogRect rect, BaseUnits base) {
    return {UnitsToPixelsX(rect.x, base), UnitsToPixelsY(rect.y, base),
            UnitsToPixelsX(rect.cx, base), UnitsToPixelsY(rect.cy, base)};
}

}  // namespace ui
