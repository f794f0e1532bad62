#include "platform/ui/fltk/ProgressBar.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"

namespace ui::fltk {

int ProgressFill(int width, int low, int high, int pos) {
    if (high <= low || width <= 0) return 0;
    long long done = std::clamp(pos, low, high) - static_cast<long long>(low);
    return static_cast<int>(done * width / (static_cast<long long>(high) - low));
}

ProgressBar::ProgressBar(HWND control, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control) {}

void ProgressBar::draw() {
    fl_color(Colour(classic::kFace));
    fl_rectf(x(), y(), w(), h());
    // The thin sunken frame of a bordered progress bar.
    DrawFrame(x(), y(), w(), h(), Colour(classic::kShadow), Colour(classic::kHighlight));
    Window* model = Model();
    if (model == nullptr) return;
    // Blocks two thirds as wide as the bar is high, two lines apart, as
    // many as the position covers (a block that has begun is drawn whole,
    // clipped at the end of the bar).
    int gap = 2 * Density::Line();
    int innerX = x() + gap, innerY = y() + gap, innerW = w() - 2 * gap, innerH = h() - 2 * gap;
    if (innerW <= 0 || innerH <= 0) return;
    int fill =
        ProgressFill(innerW, model->ProgressLow(), model->ProgressHigh(), model->ProgressPos());
    if (fill <= 0) return;
    int block = std::max(gap, innerH * 2 / 3);
    fl_push_clip(innerX, innerY, innerW, innerH);
    fl_color(Colour(classic::kSelection));
    for (int left = 0; left < fill; left += block + gap) {
        fl_rectf(innerX + left, innerY, block, innerH);
    }
    fl_pop_clip();
}

}  // namespace ui::fltk
