#include "support/UiTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/ResourceStore.h"
#include "support/seams/HeadlessByDefault.h"
#include "support/seams/TestSystemEntries.h"

namespace ui {

void ClearResources() {
    TheResourceStore() = ResourceStore{};
}

}  // namespace ui

namespace testing_support {

UiTestEnvironment::UiTestEnvironment() {
    ui::ClearResources();
    ui::SetRenderer(&m_renderer);
}

UiTestEnvironment::~UiTestEnvironment() {
    ui::SetRenderer(&ProgramRenderer());
    ui::ClearResources();
}

int UiTestEnvironment::RunModal(CDialog& dialog, ui::HeadlessRenderer::Action action) {
    m_renderer.WhenOpened(dialog.GetTemplateId(), std::move(action));
    int result = dialog.DoModal();
    EXPECT_EQ(m_renderer.PendingActions(), 0u) << "an action never ran: did the dialog open?";
    return result;
}

ui::Window& ControlOf(ui::Window& parent, int id) {
    ui::Window* control = parent.FindChild(id);
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(id));
    return *control;
}

ui::Window& ControlOf(const CWnd& parent, int id) {
    ui::Window* window = parent.GetModelWindow();
    if (window == nullptr) throw std::runtime_error("the window is not open");
    return ControlOf(*window, id);
}

bool Click(ui::Window& parent, int id) {
    return ui::ClickControl(ControlOf(parent, id).Handle());
}

bool Click(const CWnd& parent, int id) {
    return ui::ClickControl(ControlOf(parent, id).Handle());
}

std::string WizardButtons(const CPropertySheet& sheet) {
    std::string shown;
    for (auto [id, name] : {std::pair{ID_WIZBACK, "Back"}, std::pair{ID_WIZNEXT, "Next"},
                            std::pair{ID_WIZFINISH, "Finish"}}) {
        ui::Window& button = ControlOf(sheet, id);
        if (!button.IsVisible() || !button.IsEnabled()) continue;
        if (!shown.empty()) shown += ' ';
        shown += name;
    }
    return shown;
}

bool PressWizardButton(const CPropertySheet& sheet, int id) {
    bool pressed = Click(sheet, id);
    ui::PumpMessages();
    return pressed;
}

ShellOpenRecorder* ShellOpenRecorder::s_installed = nullptr;

ShellOpenRecorder::ShellOpenRecorder() : m_previous(s_installed) {
    Install(this);
}

ShellOpenRecorder::~ShellOpenRecorder() {
    Install(m_previous);
}

void ShellOpenRecorder::Install(ShellOpenRecorder* recorder) {
    s_installed = recorder;
    if (recorder == nullptr) {
        HandleShellOpens({});
        return;
    }
    HandleShellOpens([recorder](const os::ShellOpenCall& call) { return recorder->Record(call); });
}

std::intptr_t ShellOpenRecorder::Record(const os::ShellOpenCall& call) {
    std::lock_guard lock(m_mutex);
    m_calls.push_back(call);
    return os::kShellOpenStarted;
}

std::vector<os::ShellOpenCall> ShellOpenRecorder::Calls() const {
    std::lock_guard lock(m_mutex);
    return m_calls;
}

}  // namespace testing_support
