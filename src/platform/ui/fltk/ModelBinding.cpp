#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

bool ModelBinding::HasModelFocus() const {
    Window* window = Model();
    if (window == nullptr) return false;
    Window* topLevel = window->TopLevel();
    return topLevel != nullptr && topLevel->Focus() == window;
}

}  // namespace ui::fltk
