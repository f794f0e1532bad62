// Modal loops: nested loops on the UI thread that deliver posted messages
// and input until their window ends them. While a loop runs, its window is
// the active one and the window it is modal over is disabled.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/ui/Window.h"

namespace ui {

// Runs `window`, a top-level window, modally until *ended is true: the
// top-level window it is modal over is disabled first, `window` is shown
// unless it is open already, and the owner is enabled again at the end
// when it was enabled before.
void RunModalLoop(Window& window, const bool* ended);
// Delivers posted messages while work goes on elsewhere, until `finished`
// returns true (asked after each message and each wake-up: the work posts a
// message when it ends) or `window` is gone. Meanwhile the top-level
// `window` is busy: it repaints and takes only what cancels (see Input.h);
// a dialog that opens over it meanwhile takes input as usual.
void RunBusyLoop(Window& window, const std::function<bool()>& finished);
// Posted messages delivered by the innermost loop of `window` so far.
std::uint64_t MessagesDeliveredTo(const Window& window);
// Delivers every posted message now queued, and those they post in turn;
// returns how many. For tests and for modeless windows.
int PumpMessages();

// The open top-level windows, oldest first; the modal stack's order.
const std::vector<Window*>& OpenTopLevelWindows();
// Makes the top-level `window` visible, adds it to the open windows and
// lets the renderer show it.
void ShowTopLevel(Window& window);
// Takes the top-level `window` off the open windows, tells the renderer
// and destroys it (which clears its owner's handle). Nothing when `window`
// is empty.
void DestroyTopLevel(std::unique_ptr<Window>& window);

}  // namespace ui
