// Dialog units to pixels, as the dialog manager converts them. A template
// is laid out in units of its font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its line
// height. The average width is that of the 52 letters of the alphabet,
// rounded, which is how Windows measures a dialog's font; each coordinate is
// converted on its own and rounded (MapDialogRect), so the side picture of
// 53 x 172 units is exactly 80 x 280 pixels with the 6 x 13 of "MS Sans
// Serif" at 8 points.
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace ui::win32 {

struct BaseUnits {
    int x;  // average character width, pixels
    int y;  // character height, pixels
};

// The base units of a font whose 52 letters "a".."z" "A".."Z" measure
// `alphabetWidth` pixels and whose lines are `lineHeight` pixels high.
BaseUnits BaseUnitsFromMetrics(int alphabetWidth, int lineHeight);

struct PixelRect {
    int x;
    int y;
    int w;
    int h;
};

// Horizontal and vertical dialog units to pixels, rounded half away from zero.
int UnitsToPixelsX(int units, BaseUnits base);
int UnitsToPixelsY(int units, BaseUnits base);
PixelRect UnitsToPixels(DialogRect rect, BaseUnits base);

}  // namespace ui::win32
