#include "WizardRun.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <thread>

#include "Look.h"
#include "support/TestHostWait.h"

// Where the runs of a test program for the Windows build make their prefixes.
#ifndef E2E_WINE_PREFIX_ROOT
#define E2E_WINE_PREFIX_ROOT ""
#endif

namespace e2e {

namespace {

// The screen at the classic density, scaled with the font density.
int ScreenLength(int classic, int fontDpi) {
    return classic * std::max(96, fontDpi) / 96;
}

// The copy's name: a Windows program keeps its extension.
const char* const kCopyName = kUnderWine ? "vessamo-installer.exe" : "vessamo-installer";

}  // namespace

WizardRun::WizardRun(const std::string& shots, const WizardOptions& options)
    : m_display(ScreenLength(1024, options.fontDpi), ScreenLength(768, options.fontDpi),
                options.fontDpi),
      m_desktop(m_display, std::string(E2E_OUTPUT_DIR) + "/" + shots) {
    std::filesystem::copy_file(VESSAMO_EXECUTABLE, m_folder.File(kCopyName));
    for (const auto& [name, contents] : options.files) m_folder.Write(name, contents);
    m_env = options.env;
    m_env.push_back(m_display.EnvironmentEntry());
    if (kUnderWine) {
        m_wine = std::make_unique<WinePrefix>(E2E_WINE_PREFIX_ROOT, m_display.EnvironmentEntry());
        if (!options.windowsVersion.empty()) m_wine->SetWindowsVersion(options.windowsVersion);
        std::vector<std::string> wine = m_wine->Environment();
        m_env.insert(m_env.end(), wine.begin(), wine.end());
    }
    m_process = Start();
    m_window = m_desktop.WaitForWindow(kWizardTitle, std::chrono::seconds(60));
}

std::unique_ptr<Subprocess> WizardRun::Start() {
    return StartBeside({m_folder.File(kCopyName)});
}

std::unique_ptr<Subprocess> WizardRun::StartBeside(std::vector<std::string> argv) {
    SpawnOptions spawn;
    spawn.env = m_env;
    spawn.workingDirectory = m_folder.Path();
    if (kUnderWine) argv.insert(argv.begin(), "wine");
    return std::make_unique<Subprocess>(argv, spawn);
}

void WizardRun::Restart() {
    m_process = Start();
    m_window = m_desktop.WaitForWindow(kWizardTitle, std::chrono::seconds(60));
}

std::unique_ptr<Subprocess> WizardRun::StartAnother() {
    return Start();
}

std::string WizardRun::WaitForOtherWindow(const std::string& title,
                                          std::chrono::milliseconds timeout) {
    std::string found;
    testing_support::WaitUntil(
        [&] {
            CommandResult result =
                RunCommand({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"},
                           {m_display.EnvironmentEntry()});
            std::istringstream ids(result.output);
            for (std::string id; std::getline(ids, id);) {
                if (!id.empty() && id != m_window) found = id;
            }
            return !found.empty();
        },
        timeout, kLookInterval);
    return found;
}

WindowImage WizardRun::WaitForImage(const std::function<bool(const WindowImage&)>& done,
                                    std::chrono::milliseconds timeout) {
    return WaitForImage(m_window, done, timeout);
}

WindowImage WizardRun::WaitForImage(const std::string& window,
                                    const std::function<bool(const WindowImage&)>& done,
                                    std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    WindowImage previous;
    do {
        WindowImage image = m_desktop.CaptureWindow(window);
        if (!image.Empty() && done(image)) {
            if (!previous.Empty() && previous.Width() == image.Width() &&
                previous.Height() == image.Height() &&
                image.CountDifferences(previous, 0, 0, image.Width(), image.Height()) == 0) {
                return image;
            }
            previous = image;
        } else {
            previous = WindowImage();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    } while (std::chrono::steady_clock::now() < deadline);
    return WindowImage();
}

}  // namespace e2e
