#include "platform/ui/fltk/CheckButton.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/TextFit.h"

namespace ui::fltk {

namespace {

constexpr int kGlyphSize = 13;

// The classic tick, 7 x 7 pixels.
constexpr const char* kTick[] = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

// The classic radio button, 12 x 12 pixels: O the outer ring, I the inner
// ring, W the inside; and its dot.
constexpr const char* kRadio[] = {
    "....OOOO....", "..OOIIIIOO..", ".OIIWWWWIIO.", ".OIWWWWWWIO.", "OIWWWWWWWWIO", "OIWWWWWWWWIO",
    "OIWWWWWWWWIO", "OIWWWWWWWWIO", ".OIWWWWWWIO.", ".OIIWWWWIIO.", "..OOIIIIOO..", "....OOOO....",
};
constexpr const char* kRadioDot[] = {
    "............", "............", "............", "............", ".....##.....", "....####....",
    "....####....", ".....##.....", "............", "............", "............", "............",
};

}  // namespace

CheckButton::CheckButton(HWND control, Shape shape, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control), m_shape(shape) {}

void CheckButton::DrawBox(int bx, int by, bool enabled, bool checked) const {
    DrawSunkenField(bx, by, kGlyphSize, kGlyphSize,
                    enabled && !m_mouse.Pressed() ? colours::Window() : colours::Face());
    if (!checked) return;
    fl_color(enabled ? colours::Text() : colours::Shadow());
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 7; ++col) {
            if (kTick[row][col] == '#') fl_point(bx + 3 + col, by + 3 + row);
        }
    }
}

void CheckButton::DrawRadio(int bx, int by, bool enabled, bool checked) const {
    // Outer ring shaded above-left and lit below-right, the inner ring
    // darker above-left and face-coloured below-right.
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 12; ++col) {
            char part = kRadio[row][col];
            if (part == '.') continue;
            bool upperLeft = row + col <= 10;
            if (part == 'O') {
                fl_color(upperLeft ? colours::Shadow() : colours::Highlight());
            } else if (part == 'I') {
                fl_color(upperLeft ? colours::DarkShadow() : colours::Face());
            } else if (checked && kRadioDot[row][col] == '#') {
                fl_color(enabled ? colours::Text() : colours::Shadow());
            } else {
                fl_color(enabled && !m_mouse.Pressed() ? colours::Window() : colours::Face());
            }
            fl_point(bx + col, by + row);
        }
    }
}

void CheckButton::draw() {
    Window* model = Model();
    fl_color(colours::Face());
    fl_rectf(x(), y(), w(), h());
    if (model == nullptr) return;
    bool enabled = model->IsEnabled();
    bool checked = model->Check() != 0;
    if (m_shape == Shape::Box) {
        DrawBox(x(), y() + (h() - kGlyphSize) / 2, enabled, checked);
    } else {
        DrawRadio(x(), y() + (h() - kGlyphSize + 1) / 2, enabled, checked);
    }
    PixelRect text = TextArea(ControlKind::AutoCheckBox, {x(), y(), w(), h()});
    int textX = text.x;
    int textW = std::max(0, text.w);
    DrawnText drawn = DrawControlText(TextOf(*model), model->Font(), textX, y(), textW, h(),
                                      TextAlign::Left, false, enabled);
    if (!HasModelFocus() || !enabled) return;
    // The focus rectangle hugs the text, one pixel around it, inside the control.
    int focusH = std::min(h(), drawn.lineHeight + 2);
    DrawFocusRect(textX - 1, y() + (h() - focusH) / 2, std::min(drawn.width + 2, textW + 1),
                  focusH);
}

int CheckButton::handle(int event) {
    return m_mouse.Handle(event, *this, *this);
}

}  // namespace ui::fltk
