// Modal loops: nested loops on the UI thread that deliver posted messages
// and input until their window ends them. While a loop runs, its window is
// the active one and the window it is modal over is disabled.
#pragma once

#include <cstdint>

#include "platform/ui/Window.h"

namespace ui {

// Runs until *ended is true. `window` is the top-level window being modal.
void RunModalLoop(Window& window, const bool* ended);
// Posted messages delivered by the innermost loop of `window` so far.
std::uint64_t MessagesDeliveredTo(const Window& window);
// Delivers every posted message now queued, and those they post in turn;
// returns how many. For tests and for modeless windows.
int PumpMessages();

// The open top-level windows, oldest first; the modal stack's order.
const std::vector<Window*>& OpenTopLevelWindows();
void AddOpenTopLevel(Window& window);
void RemoveOpenTopLevel(Window& window);

}  // namespace ui
