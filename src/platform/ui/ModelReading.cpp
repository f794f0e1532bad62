#include "platform/ui/ModelReading.h"

#include <algorithm>

#include "platform/ui/ModalLoop.h"
#include "platform/ui/SheetGeometry.h"

namespace ui {

namespace {}  // namespace

Window* NewestOtherOpenWindow(const Window& window) {
    const std::vector<Window*>& open = OpenTopLevelWindows();
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (*it != &window) return *it;
    }
    return nullptr;
}

Window* OpensOver(const Window& window) {
    if (window.Parent() != nullptr) return window.Parent()->TopLevel();
    return window.Role() == WindowRole::Dialog ? NewestOtherOpenWindow(window) : nullptr;
}

std::optional<PixelRect> SeparatorOf(const Window& sheet, BaseUnits units, int line) {
    int pageBottom = 0;
    int buttonTop = 0;
    for (const std::unique_ptr<Window>& child : sheet.Children()) {
        PixelRect rect = UnitsToPixels(child->Rect(), units);
        if (child->Role() == WindowRole::Page) {
            pageBottom = std::max(pageBottom, rect.y + rect.h);
        } else if (child->IsVisible() && (buttonTop == 0 || rect.y < buttonTop)) {
            buttonTop = rect.y;
        }
    }
    if (buttonTop == 0) return std::nullopt;
    int margin = UnitsToPixelsX(ui::sheet::kMargin, units);
    int y = pageBottom > 0 && pageBottom < buttonTop
                ? (pageBottom + buttonTop) / 2 - line
                : buttonTop - UnitsToPixelsY(ui::sheet::kMargin, units);
    int width = UnitsToPixelsX(sheet.Rect().cx, units) - 2 * margin;
    return PixelRect{margin, y, width, 2 * line};
}

}  // namespace ui
