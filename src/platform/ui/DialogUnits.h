// Dialog units to pixels, as the dialog manager converts them, for every
// renderer. A template is laid out in units of its font: a horizontal unit
// is a quarter of the font's average character width, a vertical unit an
// eighth of its line height. Each coordinate is converted on its own and
// rounded (MapDialogRect), so the side picture of 53 x 172 units is exactly
// 80 x 280 pixels with the 6 x 13 of "MS Sans Serif" at 8 points.
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace ui {

// A font's base units in 1/`scale` pixels: a renderer that scales the
// classic 6 x 13 with the desktop's density states them exactly as
// {6 * dpi, 13 * dpi, 96}.
struct BaseUnits {
    int x;  // average character width
    int y;  // character height
    int scale = 1;

    bool operator==(const BaseUnits&) const = default;
};

struct PixelRect {
    int x;
    int y;
    int w;
    int h;

    bool operator==(const PixelRect&) const = default;
};

// Horizontal and vertical dialog units to pixels, rounded half away from zero.
int UnitsToPixelsX(int units, BaseUnits base);
int UnitsToPixelsY(int units, BaseUnits base);
PixelRect UnitsToPixels(DialogRect rect, BaseUnits base);

}  // namespace ui
