#include "platform/ui/win32/DialogUnits.h"

namespace ui::win32 {

namespace {

constexpr int kLettersMeasured = 26;

}  // namespace

BaseUnits BaseUnitsFromMetrics(int alphabetWidth, int lineHeight) {
    // Both cases of the alphabet are measured, then halved with rounding.
    return {(alphabetWidth / kLettersMeasured + 1) / 2, lineHeight};
}

}  // namespace ui::win32
