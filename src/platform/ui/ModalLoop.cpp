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

bool IsOpen(const Window& window) {
    const auto& windows = OpenWindows();
    return std::find(windows.begin(), windows.end(), &window) != windows.end();
}

void DeliverUntilEnded(Window& window, const bool* ended) {
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
        renderer.WaitForEvents(window);
    }
    Loops().pop_back();
}

}  // namespace

void RunModalLoop(Window& window, const bool* ended) {
    Window* owner = window.Parent() != nullptr ? window.Parent()->TopLevel() : nullptr;
    bool ownerWasEnabled = owner != nullptr && owner->IsEnabled();
    if (owner != nullptr) owner->SetEnabled(false);
    // A dialog shows over its owner once that is disabled; a sheet has
    // shown itself already, when it was created.
    if (!IsOpen(window)) ShowTopLevel(window);
    DeliverUntilEnded(window, ended);
    if (ownerWasEnabled) owner->SetEnabled(true);
}

void RunBusyLoop(Window& window, const std::function<bool()>& finished) {
    HWND handle = window.Handle();
    MessageQueue& queue = MessageQueue::Instance();
    Renderer& renderer = GetRenderer();
    window.SetBusy(true);
    while (Window::FromHandle(handle) != nullptr && !finished()) {
        if (queue.DispatchOne()) {
            renderer.PollEvents();
            continue;
        }
        renderer.WaitForEvents(window);
    }
    if (Window* still = Window::FromHandle(handle)) still->SetBusy(false);
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

void ShowTopLevel(Window& window) {
    window.SetVisible(true);
    if (!IsOpen(window)) OpenWindows().push_back(&window);
    GetRenderer().TopLevelShown(window);
}

void DestroyTopLevel(std::unique_ptr<Window>& window) {
    if (!window) return;
    auto& windows = OpenWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), window.get()), windows.end());
    GetRenderer().TopLevelDestroyed(*window);
    window.reset();
}

}  // namespace ui
