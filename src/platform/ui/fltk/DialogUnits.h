// Dialog units to pixels for the FLTK renderer. Templates are laid out in
// units of the 8-point dialog font: 6 x 13 pixels at 96 dots per inch, so
// the side picture (7, 7, 53 x 172 units) lands on (11, 11) at exactly
// 80 x 280 pixels. At a higher desktop density the base units grow with the
// dialog font (see Density): 12 x 26 pixels at 192 dots per inch. The
// rounding is the shared one (platform/ui/DialogUnits.h).
#pragma once

#include "platform/ui/DialogUnits.h"

namespace ui::fltk {

// The base units at the classic 96 dots per inch.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

// The dialog font's base units at the desktop's density.
BaseUnits DesktopBaseUnits();
// The horizontal base unit at the desktop's density, in pixels.
double BaseUnitX();

// Horizontal dialog units to pixels at the desktop's density.
int UnitsToPixelsX(int units);
// Vertical dialog units to pixels at the desktop's density.
int UnitsToPixelsY(int units);
PixelRect UnitsToPixels(DialogRect rect);

}  // namespace ui::fltk
