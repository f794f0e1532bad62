#include "platform/ui/Renderer.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ui/MessageQueue.h"

namespace ui {
namespace {

Renderer* g_renderer = nullptr;

}  // namespace

void SetRenderer(Renderer* renderer) {
    g_renderer = renderer;
    if (renderer != nullptr) {
        MessageQueue::Instance().SetWakeHook([renderer] { renderer->Wake(); });
    } else {
        MessageQueue::Instance().SetWakeHook({});
    }
}

Renderer& GetRenderer() {
    if (g_renderer == nullptr) {
        // A window with nothing to show it on could never be answered.
        std::fputs("vessamo-installer: the window model has no renderer; aborting\n", stderr);
        std::abort();
    }
    return *g_renderer;
}

}  // namespace ui
