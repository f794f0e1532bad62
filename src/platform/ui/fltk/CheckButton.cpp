#include "platform/ui/fltk/CheckButton.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"
#include "platform/ui/fltk/TextFit.h"

namespace ui::fltk {

namespace {

// The glyphs are pixel patterns at the classic density; at a higher one
// every pixel of theirs becomes a square as wide as the density's lines.
constexpr int kGlyphSize = 13;

// Fills the pattern pixel (col, row) of a glyph at (gx, gy).
void GlyphPixel(int gx, int gy, int col, int row) {
    int pixel = Density::Line();
    fl_rectf(gx + col * pixel, gy + row * pixel, pixel, pixel);
}

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
    int size = kGlyphSize * Density::Line();
    DrawSunkenField(
        bx, by, size, size,
        enabled && !m_mouse.Pressed() ? Colour(classic::kWindow) : Colour(classic::kFace));
    if (!checked) return;
    fl_color(enabled ? Colour(classic::kText) : Colour(classic::kShadow));
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 7; ++col) {
            if (kTick[row][col] == '#') GlyphPixel(bx, by, 3 + col, 3 + row);
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
                fl_color(upperLeft ? Colour(classic::kShadow) : Colour(classic::kHighlight));
            } else if (part == 'I') {
                fl_color(upperLeft ? Colour(classic::kDarkShadow) : Colour(classic::kFace));
            } else if (checked && kRadioDot[row][col] == '#') {
                fl_color(enabled ? Colour(classic::kText) : Colour(classic::kShadow));
            } else {
                fl_color(enabled && !m_mouse.Pressed() ? Colour(classic::kWindow)
                                                       : Colour(classic::kFace));
            }
            GlyphPixel(bx, by, col, row);
        }
    }
}

void CheckButton::draw() {
    Window* model = Model();
    fl_color(Colour(classic::kFace));
    fl_rectf(x(), y(), w(), h());
    if (model == nullptr) return;
    bool enabled = model->IsEnabled();
    bool checked = model->Check() != 0;
    int line = Density::Line();
    int glyph = kGlyphSize * line;
    if (m_shape == Shape::Box) {
        DrawBox(x(), y() + (h() - glyph) / 2, enabled, checked);
    } else {
        DrawRadio(x(), y() + (h() - glyph + line) / 2, enabled, checked);
    }
    PixelRect text = TextArea(ControlKind::AutoCheckBox, {x(), y(), w(), h()});
    int textX = text.x;
    int textW = std::max(0, text.w);
    DrawnText drawn = DrawControlText(TextOf(*model), model->Font(), textX, y(), textW, h(),
                                      TextAlign::Left, false, enabled);
    if (!HasModelFocus() || !enabled) return;
    // The focus rectangle hugs the text, one line around it, inside the control.
    int focusH = std::min(h(), drawn.lineHeight + 2 * line);
    DrawFocusRect(textX - line, y() + (h() - focusH) / 2,
                  std::min(drawn.width + 2 * line, textW + line), focusH);
}

int CheckButton::handle(int event) {
    return m_mouse.Handle(event, *this, *this);
}

}  // namespace ui::fltk
