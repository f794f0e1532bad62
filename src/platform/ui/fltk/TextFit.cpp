#include "platform/ui/fltk/TextFit.h"

#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"

namespace ui::fltk {

namespace {

// In lines of the density (one pixel at the classic density). Check boxes
// and radio buttons: the 13-line glyph and a gap come first.
constexpr int kGlyphTextOffset = 13 + 4;
// Push buttons: the bevel, its default frame and the focus rectangle's gap.
constexpr int kButtonInsetX = 4;
constexpr int kButtonInsetY = 3;

}  // namespace

PixelRect TextArea(ControlKind kind, PixelRect control) {
    int line = Density::Line();
    int insetX = kButtonInsetX * line;
    int insetY = kButtonInsetY * line;
    int offset = kGlyphTextOffset * line;
    switch (kind) {
        case ControlKind::PushButton:
            return {control.x + insetX, control.y + insetY, control.w - 2 * insetX,
                    control.h - 2 * insetY};
        case ControlKind::AutoCheckBox:
        case ControlKind::AutoRadioButton:
            return {control.x + offset, control.y, control.w - offset, control.h};
        default:
            return control;
    }
}

bool TextFits(std::string_view label, const LOGFONT& lf, ControlKind kind, PixelRect control) {
    PixelRect area = TextArea(kind, control);
    bool wrap = kind == ControlKind::Static;
    ControlTextLayout layout = LayoutControlText(label, lf, area.w, wrap);
    if (wrap) return static_cast<int>(layout.lines.size()) * layout.lineHeight <= area.h;
    return TextWidth(layout.shown.text) <= area.w && layout.lineHeight <= area.h;
}

}  // namespace ui::fltk
