// Dialog units to pixels. Templates are laid out in units of the 8-point
// dialog font: a horizontal unit is a quarter of its average character
// width (6 px) and a vertical unit an eighth of its height (13 px). Each
// coordinate is converted on its own and rounded, as the original dialog
// manager does, so the side picture (7, 7, 53 x 172 units) lands on
// (11, 11) at exactly 80 x 280 pixels. At a higher desktop density the
// base units grow with the dialog font (see Density): 12 x 26 pixels at
// 192 dots per inch.
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace ui::fltk {

// The base units at the classic 96 dots per inch.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

// The horizontal base unit at the desktop's density, in pixels.
double BaseUnitX();

struct PixelRect {
    int x;
    int y;
    int w;
    int h;
};

// Horizontal dialog units to pixels, rounded half away from zero.
int UnitsToPixelsX(int units);
// Vertical dialog units to pixels, rounded half away from zero.
int UnitsToPixelsY(int units);
PixelRect UnitsToPixels(DialogRect rect);

}  // namespace ui::fltk
