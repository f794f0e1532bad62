// Helpers for tests of the window model, the wizard and its pages: a clean
// model per test with a scripted headless renderer, short ways to reach and
// press controls, and a recorder in place of the shell open.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/os/ShellOpen.h"
#include "platform/ui/Afx.h"
#include "support/FreshMessageQueue.h"
#include "support/HeadlessRenderer.h"
#include "support/NonCopyable.h"

namespace testing_support {

// While it lives: the calling thread is the UI thread, the queue starts
// empty, the resource registry holds only what the test registers, and a
// fresh headless renderer takes the model's calls.
class UiTestEnvironment : NonCopyable {
  public:
    UiTestEnvironment();
    ~UiTestEnvironment();

    ui::HeadlessRenderer& Renderer() { return m_renderer; }
    // Runs `dialog` modally, `action` acting on it once it is open; checks
    // that the action ran, and returns DoModal's result.
    int RunModal(CDialog& dialog, ui::HeadlessRenderer::Action action);

  private:
    FreshMessageQueue m_queue;
    ui::HeadlessRenderer m_renderer;
};

// The model window of control `id` of a dialog, page or sheet; throws when
// there is none, so a test fails instead of crashing.
ui::Window& ControlOf(const CWnd& parent, int id);
ui::Window& ControlOf(ui::Window& parent, int id);
// A click on control `id`, as the user's; false when the model refused it.
bool Click(const CWnd& parent, int id);
bool Click(ui::Window& parent, int id);

// The wizard's Back, Next and Finish buttons that are shown and enabled,
// e.g. "Back Next" or "Back Finish"; "" when none.
std::string WizardButtons(const CPropertySheet& sheet);
// Presses a wizard button as the user does, then delivers what it posted.
bool PressWizardButton(const CPropertySheet& sheet, int id);

// Records every shell open instead of starting anything. Recorders nest:
// while a later one lives it takes the calls, and when it ends the one it
// replaced records again (the real shell open comes back after the last).
class ShellOpenRecorder : NonCopyable {
  public:
    ShellOpenRecorder();
    ~ShellOpenRecorder();

    std::vector<os::ShellOpenCall> Calls() const;

  private:
    // Hands the shell open to `recorder`, or back to the real one for nullptr.
    static void Install(ShellOpenRecorder* recorder);
    std::intptr_t Record(const os::ShellOpenCall& call);

    // The recorder that takes the calls now; test thread only.
    static ShellOpenRecorder* s_installed;

    ShellOpenRecorder* m_previous;
    mutable std::mutex m_mutex;
    std::vector<os::ShellOpenCall> m_calls;
};

}  // namespace testing_support
