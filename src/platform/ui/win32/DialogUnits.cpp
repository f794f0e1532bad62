#include "platform/ui/win32/DialogUnits.h"

namespace ui::win32 {

namespace {

constexpr int kLettersMeasured = 26;

// value * numerator / denominator, rounded half away from zero (MulDiv).
int MulDivRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

BaseUnits BaseUnitsFromMetrics(int alphabetWidth, int lineHeight) {
    // Both cases of the alphabet are measured, then halved with rounding.
    return {(alphabetWidth / kLettersMeasured + 1) / 2, lineHeight};
}

int UnitsToPixelsX(int units, BaseUnits base) {
    return MulDivRounded(units, base.x, 4);
}

int UnitsToPixelsY(int units, BaseUnits base) {
    return MulDivRounded(units, base.y, 8);
}

PixelRect UnitsToPixels(DialogRect rect, BaseUnits base) {
    return {UnitsToPixelsX(rect.x, base), UnitsToPixelsY(rect.y, base),
            UnitsToPixelsX(rect.cx, base), UnitsToPixelsY(rect.cy, base)};
}

}  // namespace ui::win32
