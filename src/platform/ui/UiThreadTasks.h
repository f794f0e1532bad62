// Running work on the UI thread from any thread, through the message queue.
#pragma once

#include <functional>

namespace ui {

// Queues `task` to run on the UI thread when its loop next delivers
// messages; in posting order with every other posted message. Any thread.
void PostTask(std::function<void()> task);

}  // namespace ui
