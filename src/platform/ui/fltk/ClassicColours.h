// The system colours of the classic grey scheme that the FLTK renderer
// draws with, as plain values: the drawing code turns them into FLTK's
// colours, and the end-to-end tests look for them on screen.
#pragma once

namespace ui::fltk::classic {

struct Rgb {
    unsigned char r;
    unsigned char g;
    unsigned char b;
};

constexpr Rgb kFace{212, 208, 200};       // dialogs and buttons
constexpr Rgb kHighlight{255, 255, 255};  // the lit edge
constexpr Rgb kShadow{128, 128, 128};     // the shaded edge, and disabled text
constexpr Rgb kDarkShadow{64, 64, 64};    // the outer shaded edge
constexpr Rgb kText{0, 0, 0};             // text, and the default button's frame
constexpr Rgb kWindow{255, 255, 255};     // the inside of fields and check boxes
constexpr Rgb kSelection{10, 36, 106};    // progress blocks

}  // namespace ui::fltk::classic
