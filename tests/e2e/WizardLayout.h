// Where the wizard's parts are on screen, computed from the templates the
// way the window is laid out: dialog units of the 8-point dialog font
// converted by the product's own rounding with the base units of the
// product's look, pages at the sheet's top-left, the button row below the
// tallest page as the product's sheet geometry places it (Help, Cancel,
// then Next with Back against it).
#pragma once

#include <algorithm>

#include "Look.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/SheetGeometry.h"
#include "res/Resources.h"
#include "res/resource.h"

namespace e2e::layout {

using namespace ui::sheet;

using Rect = ui::PixelRect;

inline int Px(int units) {
    return ui::UnitsToPixelsX(units, kLook.base);
}
inline int Py(int units) {
    return ui::UnitsToPixelsY(units, kLook.base);
}
inline Rect ToPixels(ui::DialogRect r) {
    return ui::UnitsToPixels(r, kLook.base);
}

// The page area in dialog units: the largest page template.
inline ui::DialogRect PageArea() {
    ui::DialogRect area{0, 0, 0, 0};
    for (UINT id :
         {IDD_WIZ_INTRO, IDD_WIZ_OS, IDD_WIZ_DOWNLOAD, IDD_WIZ_OUTRO, IDD_WIZ_MANUAL_DOWNLOAD}) {
        const ui::DialogTemplate* page = res::FindDialogTemplate(id);
        area.cx = std::max(area.cx, page->cx);
        area.cy = std::max(area.cy, page->cy);
    }
    return area;
}

inline Rect Sheet() {
    ui::DialogRect area = PageArea();
    return ToPixels({0, 0, area.cx, area.cy + kRowGap + kButtonHeight + kMargin});
}

enum class Button { Back, Next, Cancel, Help };

inline Rect SheetButton(Button button) {
    ui::DialogRect area = PageArea();
    int y = area.cy + kRowGap;
    int help = area.cx - kMargin - kButtonWidth;
    int cancel = help - kMargin - kButtonWidth;
    int next = cancel - kMargin - kButtonWidth;
    int back = next - kButtonWidth;
    int x = button == Button::Back     ? back
            : button == Button::Next   ? next
            : button == Button::Cancel ? cancel
                                       : help;
    return ToPixels({x, y, kButtonWidth, kButtonHeight});
}

// The control with `id` (or the `index`-th row) of page template `page`.
inline Rect Control(UINT page, int index) {
    const ui::DialogTemplate* dialog = res::FindDialogTemplate(page);
    return ToPixels(dialog->controls[static_cast<std::size_t>(index)].rect);
}

inline Rect ControlById(UINT page, int id) {
    const ui::DialogTemplate* dialog = res::FindDialogTemplate(page);
    for (const ui::ControlTemplate& control : dialog->controls) {
        if (control.id == id) return ToPixels(control.rect);
    }
    return {0, 0, 0, 0};
}

}  // namespace e2e::layout
