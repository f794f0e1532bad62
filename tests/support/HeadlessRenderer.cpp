#include "support/HeadlessRenderer.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalLoop.h"

namespace ui {

UINT TemplateKey(const Window& window) {
    if (window.Role() == WindowRole::Sheet) return kAnySheet;
    return window.Template() != nullptr ? window.Template()->id : 0;
}

void HeadlessRenderer::WhenOpened(UINT templateId, Action action, int afterMessages) {
    m_opened.push_back({templateId, std::move(action), afterMessages});
}

void HeadlessRenderer::WhenTrue(std::function<bool()> condition, Action action) {
    m_conditions.push_back({std::move(condition), std::move(action)});
}

void HeadlessRenderer::TopLevelCreated(Window&) {}
void HeadlessRenderer::ChildCreated(Window&) {}

void HeadlessRenderer::TopLevelShown(Window& window) {
    UINT key = TemplateKey(window);
    m_history.push_back(key);
    for (Scheduled& scheduled : m_opened) {
        if (scheduled.boundTo == nullptr && scheduled.templateId == key) {
            scheduled.boundTo = window.Handle();
            break;
        }
    }
}

void HeadlessRenderer::TopLevelDestroyed(Window&) {}
void HeadlessRenderer::WindowChanged(Window&, unsigned) {}
void HeadlessRenderer::FocusChanged(Window&, Window*) {}
void HeadlessRenderer::PollEvents() {}

bool HeadlessRenderer::RunReadyAction(Window& modal) {
    for (auto it = m_conditions.begin(); it != m_conditions.end(); ++it) {
        if (it->condition()) {
            Action action = std::move(it->action);
            m_conditions.erase(it);
            action(modal);
            return true;
        }
    }
    for (auto it = m_opened.begin(); it != m_opened.end(); ++it) {
        if (it->boundTo != modal.Handle()) continue;
        if (MessagesDeliveredTo(modal) < static_cast<std::uint64_t>(it->afterMessages)) {
            return false;
        }
        Action action = std::move(it->action);
        m_opened.erase(it);
        action(modal);
        return true;
    }
    return false;
}

void HeadlessRenderer::WaitForEvents(Window& modal) {
    MessageQueue& queue = MessageQueue::Instance();
    auto idleSince = std::chrono::steady_clock::now();
    while (true) {
        if (RunReadyAction(modal)) return;
        if (queue.WaitForMessage(std::chrono::milliseconds(10))) return;
        if (std::chrono::steady_clock::now() - idleSince > m_idleLimit) {
            std::fprintf(stderr,
                         "headless modal loop of window %u (\"%s\") idle with nothing "
                         "scheduled; aborting\n",
                         TemplateKey(modal), modal.Text().GetString());
            std::abort();
        }
    }
}

}  // namespace ui
