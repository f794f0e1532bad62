// One run of the real wizard for an end-to-end test: a copy of the
// executable in a folder of its own (the wizard works in its executable's
// folder), started on the test's own X server, its window found by title.
// A test program built for the Windows build runs the copy through `wine`
// in a Wine prefix made fresh for the run.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "e2e/support/Desktop.h"
#include "e2e/support/Subprocess.h"
#include "e2e/support/VirtualDisplay.h"
#include "e2e/support/WinePrefix.h"
#include "support/TempDir.h"

namespace e2e {

constexpr const char* kWizardTitle = "K7 Vessamo Download Wizard";

struct WizardOptions {
    // Extra "NAME=value" entries of the wizard's environment (the product
    // reads none; the programs it starts may).
    std::vector<std::string> env;
    // Files (name, contents) put into the wizard's folder before it starts.
    std::vector<std::pair<std::string, std::string>> files;
    // The desktop's font density (Xft.dpi); 0 publishes none, as a desktop
    // at the classic 96 dpi. The screen grows with it.
    int fontDpi = 0;
    // Under Wine, the Windows version the prefix reports ("win98"); ""
    // keeps Wine's default, a version of the NT family.
    std::string windowsVersion;
};

class WizardRun {
  public:
    // Starts the wizard; `shots` names the folder of this test's screenshots.
    explicit WizardRun(const std::string& shots, const WizardOptions& options = {});

    Desktop& Screen() { return m_desktop; }
    Subprocess& Process() { return *m_process; }
    // The wizard window's id ("" until it appeared).
    const std::string& WindowId() const { return m_window; }
    const testing_support::TempDir& Folder() const { return m_folder; }
    // "DISPLAY=:n" of the wizard's X server.
    std::string DisplayEntry() const { return m_display.EnvironmentEntry(); }

    // Captures the window until `done` holds for a capture that is also
    // steady (two captures in a row alike); returns it, or an empty image
    // after `timeout`.
    WindowImage WaitForImage(const std::function<bool(const WindowImage&)>& done,
                             std::chrono::milliseconds timeout = std::chrono::seconds(90));
    // The same for another window of the wizard (a dialog).
    WindowImage WaitForImage(const std::string& window,
                             const std::function<bool(const WindowImage&)>& done,
                             std::chrono::milliseconds timeout = std::chrono::seconds(90));
    // Writes <shots>/<name>.png of the wizard window; returns its path.
    std::string Shot(const std::string& name) { return m_desktop.ScreenshotWindow(m_window, name); }
    // Presses keys in the wizard window.
    void Keys(const std::vector<std::string>& keys) { m_desktop.Keys(m_window, keys); }

    // Starts the wizard again from the same copy in the same folder, once
    // the earlier process has ended (it crashed or was killed): Process()
    // and WindowId() then belong to the new one.
    void Restart();
    // Starts one more wizard from the same copy in the same folder while
    // this one runs; the caller owns it.
    std::unique_ptr<Subprocess> StartAnother();
    // Starts `argv` beside the wizard: in its folder, on its display, with
    // its environment and, under Wine, in its prefix. The caller owns it.
    std::unique_ptr<Subprocess> StartBeside(std::vector<std::string> argv);
    // The id of a mapped window titled `title` that is not the wizard's own
    // window, waiting up to `timeout`; "" when none appeared.
    std::string WaitForOtherWindow(const std::string& title, std::chrono::milliseconds timeout);

  private:
    std::unique_ptr<Subprocess> Start();

    testing_support::TempDir m_folder;
    VirtualDisplay m_display;
    Desktop m_desktop;
    // Under Wine only; ends every program of the run before the display goes.
    std::unique_ptr<WinePrefix> m_wine;
    std::vector<std::string> m_env;
    std::unique_ptr<Subprocess> m_process;
    std::string m_window;
};

}  // namespace e2e
