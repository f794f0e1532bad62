// What the renderer works out from the model beyond a window's own state:
// which window lies below a closing one, which push button wears the
// default frame, and where a wizard sheet's separator line runs. The same
// answers as the FLTK renderer's, so both platforms look alike.
#pragma once

#include <optional>

#include "platform/ui/Window.h"
#include "platform/ui/win32/DialogUnits.h"

namespace ui::win32 {

// The newest open top-level window other than `window`, or nullptr.
Window* NewestOtherOpenWindow(const Window& window);
// True for the push button Enter would press: the focused push button,
// else the window's default one; a disabled button never is.
bool WearsDefaultFrame(Window& button);
// The sheet's etched line in client pixels, midway between its pages and
// its button row; nothing while no button is placed.
std::optional<PixelRect> SeparatorOf(const Window& sheet, BaseUnits units);

}  // namespace ui::win32
