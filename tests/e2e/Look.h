// How the product under test draws what the end-to-end tests look for:
// the dialog font's base units and the colours of faces, button corners
// and progress blocks. The Linux build's FLTK renderer draws the classic
// look; the Windows build's native controls under Wine draw Wine's own.
// The test program is built for one product (E2E_UNDER_WINE), and every
// page recogniser reads its look from here rather than keeping a copy.
#pragma once

#ifndef E2E_UNDER_WINE
#define E2E_UNDER_WINE 0
#endif

namespace e2e {

struct Look {
    int baseX;  // pixels per 4 horizontal dialog units
    int baseY;  // pixels per 8 vertical dialog units
    const char* face;
    // A push button's lower-right pixel, with the default frame and without.
    const char* defaultCorner;
    const char* plainCorner;
    const char* progressBlocks;
};

// The FLTK renderer: 8-point "MS Sans Serif" (or its stand-in) at 96 dpi.
constexpr Look kClassicLook{6, 13, "#D4D0C8", "#000000", "#404040", "#0A246A"};
// Wine 8's default colours, with Wine's own "MS Sans Serif" in the prefix.
constexpr Look kWineLook{6, 13, "#F5F5F5", "#9E9E9E", "#6A6A6A", "#3096FA"};

constexpr bool kUnderWine = E2E_UNDER_WINE != 0;
inline constexpr const Look& kLook = kUnderWine ? kWineLook : kClassicLook;

}  // namespace e2e
