// What a screen renderer works out from the model beyond a window's own
// state: which window lies below a closing one and where a wizard sheet's
// separator line runs. Every renderer asks here, so all platforms look
// alike.
#pragma once

#include <optional>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/Window.h"

namespace ui {

// The newest open top-level window other than `window`, or nullptr.
Window* NewestOtherOpenWindow(const Window& window);
// The window a top-level `window` opens over, centred and owned: its
// parent's top-level window, else for a dialog the newest other open
// window; nullptr for none.
Window* OpensOver(const Window& window);
// The sheet's etched line in client pixels, two lines of `line` pixels
// each midway between its pages and its button row; nothing while no
// button is placed.
std::optional<PixelRect> SeparatorOf(const Window& sheet, BaseUnits units, int line);

}  // namespace ui
