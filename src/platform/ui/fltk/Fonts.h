// The fonts the renderer draws with. The dialog face is "MS Sans Serif"
// where fontconfig has it (it is a bitmap font, so it is accepted against
// the usual rule that hides bitmap fonts), else Liberation Sans, which has
// the same metrics as the usual sans-serif faces at 11 pixels. Every
// LOGFONT maps onto the chosen face: its height and weight are honoured,
// its face name is not (all dialog fonts here are the dialog face).
#pragma once

#include <string>

#include "platform/ui/Font.h"

namespace ui::fltk {

struct FontChoice {
    int face;  // an FLTK font index
    int size;  // FLTK (Xft) pixel size
};

class Fonts {
  public:
    // Chooses the face and registers it with FLTK; call once, on the UI
    // thread, before anything is drawn.
    static void Initialise();
    // The family in use ("MS Sans Serif" or "Liberation Sans").
    static const std::string& Family();
    // The FLTK font for `lf`: bold from weight 600, italic when asked.
    static FontChoice For(const LOGFONT& lf);
};

}  // namespace ui::fltk
