// How the product under test draws what the end-to-end tests look for:
// the dialog font's base units and the colours of faces, button corners
// and progress blocks. The Linux build's FLTK renderer draws the classic
// look, read from the renderer's own constants; the Windows build's native
// controls under Wine draw Wine's own. The test program is built for one
// product (E2E_UNDER_WINE), and every page recogniser reads its look from
// here rather than keeping a copy.
#pragma once

#include <cstdio>
#include <string>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/fltk/ClassicColours.h"
#include "platform/ui/fltk/DialogUnits.h"

#ifndef E2E_UNDER_WINE
#define E2E_UNDER_WINE 0
#endif

namespace e2e {

using Rgb = ui::fltk::classic::Rgb;

struct Look {
    ui::BaseUnits base;  // of the dialog font, in pixels
    Rgb face;
    // A push button's lower-right pixel, with the default frame and without.
    Rgb defaultCorner;
    Rgb plainCorner;
    Rgb progressBlocks;
};

// The FLTK renderer: 8-point "MS Sans Serif" (or its stand-in) at 96 dpi;
// the default frame in the text colour, a plain button's outer shaded edge.
constexpr Look kClassicLook{{ui::fltk::kBaseUnitX, ui::fltk::kBaseUnitY},
                            ui::fltk::classic::kFace,
                            ui::fltk::classic::kText,
                            ui::fltk::classic::kDarkShadow,
                            ui::fltk::classic::kSelection};
// Wine 8's default colours, with Wine's own "MS Sans Serif" in the prefix.
constexpr Look kWineLook{
    {6, 13}, {0xF5, 0xF5, 0xF5}, {0x9E, 0x9E, 0x9E}, {0x6A, 0x6A, 0x6A}, {0x30, 0x96, 0xFA}};

constexpr bool kUnderWine = E2E_UNDER_WINE != 0;
inline constexpr const Look& kLook = kUnderWine ? kWineLook : kClassicLook;

// A colour as WindowImage spells its pixels: "#RRGGBB".
inline std::string Hex(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb.r, rgb.g, rgb.b);
    return text;
}

}  // namespace e2e
