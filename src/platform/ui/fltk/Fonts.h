// The fonts the renderer draws with. The dialog face is "MS Sans Serif"
// where fontconfig has it (it is a bitmap font, so it is accepted against
// the usual rule that hides bitmap fonts), else Liberation Sans. Every
// LOGFONT maps onto the chosen face: its height and weight are honoured,
// its face name is not (all dialog fonts here are the dialog face).
//
// Templates are measured in the dialog font's base units, 6 x 13 pixels:
// its average character is 6 pixels wide. Liberation Sans is wider than
// the classic face at the same height (6.4 pixels at 11), and several of
// the templates' texts would no longer fit their rectangles; so the
// outline face is drawn at the largest size whose average character fits
// the base unit (10 pixels for Liberation Sans, whose lines are then 13
// pixels high, as the classic face's), and every other height keeps its
// distance to the dialog font's (the bold name one pixel larger).
//
// At a higher desktop density (see Density) the dialog font is 8 points
// at that density and the base units grow with it; the classic face, a
// bitmap font of fixed sizes, is then not used: Liberation Sans is fitted
// to the larger base units the same way (15 pixels at 144 dpi, 20 at 192),
// and the other heights keep their distance to the dialog font's, scaled.
#pragma once

#include "platform/ui/Font.h"

namespace ui::fltk {

struct FontChoice {
    int face;  // an FLTK font index
    int size;  // FLTK (Xft) pixel size
};

class Fonts {
  public:
    // Chooses the face, registers it with FLTK and fits its size to the
    // base units; call once, on the UI thread, with the display open and
    // before anything is drawn.
    static void Initialise();
    // The FLTK font for `lf`: bold from weight 600, italic when asked.
    static FontChoice For(const LOGFONT& lf);
};

}  // namespace ui::fltk
