#include "platform/ui/fltk/TextFit.h"

#include "platform/ui/fltk/ClassicLook.h"

namespace ui::fltk {

namespace {

// Check boxes and radio buttons: the 13-pixel glyph and a gap come first.
constexpr int kGlyphTextOffset = 13 + 4;
// Push buttons: the bevel, its default frame and the focus rectangle's gap.
constexpr int kButtonInsetX = 4;
constexpr int kButtonInsetY = 3;

}  // namespace

PixelRect TextArea(ControlKind kind, PixelRect control) {
    switch (kind) {
        case ControlKind::PushButton:
            return {control.x + kButtonInsetX, control.y + kButtonInsetY,
                    control.w - 2 * kButtonInsetX, control.h - 2 * kButtonInsetY};
        case ControlKind::AutoCheckBox:
        case ControlKind::AutoRadioButton:
            return {control.x + kGlyphTextOffset, control.y, control.w - kGlyphTextOffset,
                    control.h};
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
