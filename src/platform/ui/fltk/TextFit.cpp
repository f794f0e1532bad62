#include "platform/ui/fltk/TextFit.h"

#include <FL/fl_draw.H>

#include "platform/ui/fltk/Fonts.h"
#include "platform/ui/fltk/TextLayout.h"

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
    FontChoice font = Fonts::For(lf);
    fl_font(font.face, font.size);
    LabelText parsed = ParseMnemonic(label);
    auto measure = [](std::string_view run) {
        return fl_width(run.data(), static_cast<int>(run.size()));
    };
    if (kind == ControlKind::Static) {
        auto lines = WrapText(parsed.text, area.w, measure);
        return static_cast<int>(lines.size()) * fl_height() <= area.h;
    }
    return measure(parsed.text) <= area.w && fl_height() <= area.h;
}

}  // namespace ui::fltk
