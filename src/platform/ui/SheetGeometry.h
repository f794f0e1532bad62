// The wizard sheet's frame around its pages, in dialog units: below the
// tallest page a gap (where the separator line runs), then a row of buttons
// of the usual size, right-aligned with a margin around. The sheet lays its
// buttons out by it and the renderers place the separator by it.
#pragma once

namespace ui::sheet {

constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kRowGap = 11;

}  // namespace ui::sheet
