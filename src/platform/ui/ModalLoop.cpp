#include "platform/ui/ModalLoop.h"

#include <algorithm>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/Renderer.h"

namespace ui {
namespace {

struct LoopFrame {
    const Window* window;
    std::uint64_t delivered;
};

std::vector<LoopFrame>& Loops() {
    static std::vector<LoopFrame> loops;
    return loops;
}

std::vector<Window*>& OpenWindows() {
    static std::vector<Window*> windows;
    return windows;
}

}  // namespace

void RunModalLoop(Window& window, const bool* ended) {
    MessageQueue& queue = MessageQueue::Instance();
    Renderer& renderer = GetRenderer();
    Loops().push_back({&window, 0});
    while (!*ended) {
        if (queue.DispatchOne()) {
            // The innermost loop is this one again once a nested loop has returned.
            ++Loops().back().delivered;
            renderer.PollEvents();
            continue;
        }
        if (*ended) break;
        renderer.WaitForEvents(window);
    }
    Loops().pop_back();
}

std::uint64_t MessagesDeliveredTo(const Window& window) {
    for (auto it = Loops().rbegin(); it != Loops().rend(); ++it) {
        if (it->window == &window) return it->delivered;
    }
    return 0;
}

int PumpMessages() {
    return MessageQueue::Instance().DispatchAll();
}

const std::vector<Window*>& OpenTopLevelWindows() {
    return OpenWindows();
}

void AddOpenTopLevel(Window& window) {
    auto& windows = OpenWindows();
    if (std::find(windows.begin(), windows.end(), &window) == windows.end()) {
        windows.push_back(&window);
    }
}

void RemoveOpenTopLevel(Window& window) {
    auto& windows = OpenWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), &window), windows.end());
}

}  // namespace ui
