// The renderer without a screen. It keeps no pixels: the model itself is
// the picture. Tests script it: what to do when a given window opens, after
// how many posted messages its modal loop has delivered, or once a condition
// holds. A modal loop with nothing scheduled and nothing posted for the idle
// limit aborts with a message instead of hanging.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

#include "platform/ui/Renderer.h"

namespace ui {

// Matches the sheet (which has no template) in HeadlessRenderer::WhenOpened.
constexpr UINT kAnySheet = 0xFFFFFFFF;

class HeadlessRenderer final : public Renderer {
  public:
    using Action = std::function<void(Window& window)>;

    // The next time a top-level window with template `templateId` (or the
    // sheet, for kAnySheet) opens, run `action` on it once its modal loop
    // has delivered `afterMessages` posted messages and is idle. Actions
    // for the same window run in the order they were scheduled, one per
    // wait; each action serves one opening.
    void WhenOpened(UINT templateId, Action action, int afterMessages = 0);
    // Runs `action` on the innermost modal window the first time `condition`
    // holds while a modal loop waits (checked at least every 10 ms).
    void WhenTrue(std::function<bool()> condition, Action action);
    // How long a modal loop may wait with nothing to do before aborting.
    void SetIdleLimit(std::chrono::milliseconds limit) { m_idleLimit = limit; }
    // Actions not run yet (a test can check that its script was used up).
    size_t PendingActions() const { return m_opened.size() + m_conditions.size(); }
    // Top-level windows opened so far, by template (kAnySheet for sheets).
    const std::vector<UINT>& OpenedHistory() const { return m_history; }

    void TopLevelCreated(Window& window) override;
    void ChildCreated(Window& child) override;
    void TopLevelShown(Window& window) override;
    void TopLevelDestroyed(Window& window) override;
    void WindowChanged(Window& window, unsigned changes) override;
    void FocusChanged(Window& topLevel, Window* focus) override;
    void PollEvents() override;
    void WaitForEvents(Window& modal) override;
    void Wake() override {}

  private:
    struct Scheduled {
        UINT templateId;
        Action action;
        int afterMessages;
        HWND boundTo = nullptr;  // the opening it serves, once opened
    };
    struct Conditional {
        std::function<bool()> condition;
        Action action;
    };
    bool RunReadyAction(Window& modal);

    std::deque<Scheduled> m_opened;
    std::vector<Conditional> m_conditions;
    std::vector<UINT> m_history;
    std::chrono::milliseconds m_idleLimit{std::chrono::seconds(120)};
};

// The template identifier the headless renderer matches `window` by.
UINT TemplateKey(const Window& window);

}  // namespace ui
