// The base units of the Windows build's dialog font, measured the way
// Windows measures a dialog's font: the average width is that of the 52
// letters of the alphabet, rounded. The conversion itself is the shared
// one (platform/ui/DialogUnits.h).
#pragma once

#include "platform/ui/DialogUnits.h"

namespace ui::win32 {

// The base units of a font whose 52 letters "a".."z" "A".."Z" measure
// `alphabetWidth` pixels and whose lines are `lineHeight` pixels high.
BaseUnits BaseUnitsFromMetrics(int alphabetWidth, int lineHeight);

}  // namespace ui::win32
