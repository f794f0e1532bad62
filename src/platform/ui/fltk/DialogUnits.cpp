#include "platform/ui/fltk/DialogUnits.h"

#include "platform/ui/fltk/Density.h"

namespace ui::fltk {

BaseUnits DesktopBaseUnits() {
    return {kBaseUnitX * Density::Dpi(), kBaseUnitY * Density::Dpi(), Density::kClassicDpi};
}

double BaseUnitX() {
    return static_cast<double>(kBaseUnitX) * Density::Dpi() / Density::kClassicDpi;
}

int UnitsToPixelsX(int units) {
    return ui::UnitsToPixelsX(units, DesktopBaseUnits());
}

int UnitsToPixelsY(int units) {
    return ui::UnitsToPixelsY(units, DesktopBaseUnits());
}

PixelRect UnitsToPixels(DialogRect rect) {
    return ui::UnitsToPixels(rect, DesktopBaseUnits());
}

}  // namespace ui::fltk
