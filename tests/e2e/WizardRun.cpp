#include "WizardRun.h"

#include <algorithm>
#include <filesystem>
#include <thread>

namespace e2e {

namespace {

// The screen at the classic density, scaled with the font density.
int ScreenLength(int classic, int fontDpi) {
    return classic * std::max(96, fontDpi) / 96;
}

}  // namespace

WizardRun::WizardRun(const std::string& shots, const WizardOptions& options)
    : m_display(ScreenLength(1024, options.fontDpi), ScreenLength(768, options.fontDpi),
                options.fontDpi),
      m_desktop(m_display, std::string(E2E_OUTPUT_DIR) + "/" + shots) {
    std::string copy = m_folder.File("vessamo-installer");
    std::filesystem::copy_file(VESSAMO_EXECUTABLE, copy);
    for (const auto& [name, contents] : options.files) m_folder.Write(name, contents);
    SpawnOptions spawn;
    spawn.env = options.env;
    spawn.env.push_back(m_display.EnvironmentEntry());
    spawn.workingDirectory = m_folder.Path();
    m_process = std::make_unique<Subprocess>(std::vector<std::string>{copy}, spawn);
    m_window = m_desktop.WaitForWindow(kWizardTitle, std::chrono::seconds(60));
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
