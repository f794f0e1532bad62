// The classic desktop look: the system colours of the grey scheme and the
// drawing of 3D edges, focus rectangles and control texts (mnemonic
// underlined, disabled text etched). The drawing functions are for a
// widget's draw() only. Their lines are one pixel wide at the classic
// density and as wide as Density::Line() at a higher one.
#pragma once

#include <FL/Enumerations.H>

#include <string_view>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/fltk/ClassicColours.h"
#include "platform/ui/fltk/TextLayout.h"

namespace ui::fltk {

// A colour of the classic scheme (ClassicColours.h) as FLTK takes it.
Fl_Color Colour(classic::Rgb rgb);

// The box type of text fields: a sunken edge around the field's colour.
Fl_Boxtype SunkenFieldBox();

// A frame one line wide: the top and left sides in `topLeft`, the bottom and
// right sides in `bottomRight` (which also take the top-right and
// bottom-left corners).
void DrawFrame(int x, int y, int w, int h, Fl_Color topLeft, Fl_Color bottomRight);
// A raised edge: two lines, lit top-left, shaded bottom-right.
void DrawRaisedEdge(int x, int y, int w, int h);
// A sunken edge (fields, check boxes, the progress bar's client edge).
void DrawSunkenEdge(int x, int y, int w, int h);
// A sunken edge filled with `colour` inside (text fields, check boxes).
void DrawSunkenField(int x, int y, int w, int h, Fl_Color colour);
// A sunken pair of lines, as the etched separator of a wizard.
void DrawEtchedLine(int x, int y, int w);
// The dotted rectangle around the focused control's text.
void DrawFocusRect(int x, int y, int w, int h);

enum class TextAlign { Left, Center };

// A control's text laid out in its font: the label as shown, its lines,
// and the height of every line.
struct ControlTextLayout {
    LabelText shown;
    std::vector<TextLine> lines;
    int lineHeight = 0;
};
// Selects the font of `lf` and lays `label` out as DrawControlText draws
// it: broken into lines at `width` when `wrap`, else one line. Needs the
// display open, not a draw().
ControlTextLayout LayoutControlText(std::string_view label, const LOGFONT& lf, int width,
                                    bool wrap);
// The pixel width of a run of text in the current font.
double TextWidth(std::string_view run);

// What DrawControlText drew: its bounding box width and its line height.
struct DrawnText {
    int width = 0;
    int lineHeight = 0;
};
// Draws a control's text inside the rectangle in the font of `lf`: '&'
// marks underline their letter; `wrap` breaks lines at the width (static
// texts), otherwise the text is one line vertically centred. Disabled text
// is etched (light copy one line down-right, shaded copy on top). Clipped
// to the rectangle.
DrawnText DrawControlText(std::string_view label, const LOGFONT& lf, int x, int y, int w, int h,
                          TextAlign align, bool wrap, bool enabled);

}  // namespace ui::fltk
