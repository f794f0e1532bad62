#include "platform/ui/Renderer.h"

#include "platform/ui/HeadlessRenderer.h"
#include "platform/ui/MessageQueue.h"

namespace ui {
namespace {

Renderer* g_renderer = nullptr;

HeadlessRenderer& BuiltIn() {
    static HeadlessRenderer renderer;
    return renderer;
}

}  // namespace

void SetRenderer(Renderer* renderer) {
    g_renderer = renderer;
    if (renderer != nullptr) {
        MessageQueue::Instance().SetWakeHook([renderer] { renderer->Wake(); });
    } else {
        // The built-in renderer waits on the queue itself.
        MessageQueue::Instance().SetWakeHook({});
    }
}

Renderer& GetRenderer() {
    return g_renderer != nullptr ? *g_renderer : BuiltIn();
}

}  // namespace ui
