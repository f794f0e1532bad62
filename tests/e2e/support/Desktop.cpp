#include "e2e/support/Desktop.h"

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "support/TestHostWait.h"

// Last: Xlib's macros must not meet the standard headers.
#include <X11/Xlib.h>

namespace e2e {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// xdotool takes its name pattern as a regular expression.
std::string ExactPattern(const std::string& title) {
    std::string pattern = "^";
    for (char ch : title) {
        if (std::string("\\^$.|?*+()[]{}").find(ch) != std::string::npos) pattern += '\\';
        pattern += ch;
    }
    return pattern + "$";
}

}  // namespace

Desktop::Desktop(const VirtualDisplay& display, std::string screenshotDir)
    : m_displayEnv(display.EnvironmentEntry()), m_screenshotDir(std::move(screenshotDir)) {
    std::filesystem::create_directories(m_screenshotDir);
}

std::string Desktop::Run(const std::vector<std::string>& argv) {
    CommandResult result = RunCommand(argv, {m_displayEnv});
    return result.exitCode == 0 ? result.output : "";
}

std::vector<std::string> Desktop::FindWindows(const std::string& title) {
    return Lines(Run({"xdotool", "search", "--onlyvisible", "--name", ExactPattern(title)}));
}

std::string Desktop::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout) {
    std::string found;
    testing_support::WaitUntil(
        [&] {
            std::vector<std::string> ids = FindWindows(title);
            if (!ids.empty()) found = ids.back();
            return !found.empty();
        },
        timeout, kLookInterval);
    return found;
}

bool Desktop::WaitForWindowGone(const std::string& title, std::chrono::milliseconds timeout) {
    return testing_support::WaitUntil([&] { return FindWindows(title).empty(); }, timeout,
                                      kLookInterval);
}

std::string Desktop::WindowTitle(const std::string& window) {
    std::vector<std::string> lines = Lines(Run({"xdotool", "getwindowname", window}));
    return lines.empty() ? "" : lines.front();
}

WindowGeometry Desktop::Geometry(const std::string& window) {
    WindowGeometry geometry;
    for (const std::string& line :
         Lines(Run({"xdotool", "getwindowgeometry", "--shell", window}))) {
        std::string name = line.substr(0, line.find('='));
        int value = std::atoi(line.substr(line.find('=') + 1).c_str());
        if (name == "X") geometry.x = value;
        if (name == "Y") geometry.y = value;
        if (name == "WIDTH") geometry.width = value;
        if (name == "HEIGHT") geometry.height = value;
    }
    return geometry;
}

void Desktop::Focus(const std::string& window) {
    Run({"xdotool", "windowfocus", "--sync", window});
    // Wine moves its foreground window only when told so: without a window
    // manager the keys would still reach the program that came up last.
    SendProtocol(window, "WM_TAKE_FOCUS");
    // The program takes the focus in its own time; keys pressed at once
    // could meet the keyboard state it fetches on taking it.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void Desktop::Keys(const std::string& window, const std::vector<std::string>& keys) {
    Focus(window);
    for (const std::string& key : keys) {
        Run({"xdotool", "key", "--clearmodifiers", key});
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
}

void Desktop::Type(const std::string& window, const std::string& text) {
    Focus(window);
    Run({"xdotool", "type", "--delay", "30", text});
}

void Desktop::Click(const std::string& window, int x, int y) {
    Run({"xdotool", "mousemove", "--sync", "--window", window, std::to_string(x), std::to_string(y),
         "click", "1"});
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

std::string Desktop::Screenshot(const std::string& name) {
    std::string path = m_screenshotDir + "/" + name + ".png";
    CommandResult result =
        RunCommand({"import", "-window", "root", path}, {m_displayEnv}, std::chrono::seconds(30));
    if (result.exitCode != 0) throw std::runtime_error("screenshot failed: " + path);
    return path;
}

std::string Desktop::PixelColour(int x, int y) {
    CommandResult result =
        RunCommand({"import", "-window", "root", "-crop",
                    "1x1+" + std::to_string(x) + "+" + std::to_string(y), "-depth", "8", "txt:-"},
                   {m_displayEnv});
    // The first line is a header comment; the pixel line reads "0,0: (r,g,b)  #RRGGBB  name".
    std::size_t hash = result.output.find('#', result.output.find('\n'));
    return hash == std::string::npos ? "" : result.output.substr(hash, 7);
}

std::string Desktop::ScreenshotWindow(const std::string& window, const std::string& name) {
    std::string path = m_screenshotDir + "/" + name + ".png";
    CommandResult result =
        RunCommand({"import", "-window", window, path}, {m_displayEnv}, std::chrono::seconds(30));
    if (result.exitCode != 0) throw std::runtime_error("screenshot failed: " + path);
    return path;
}

std::string Desktop::ScreenshotScreenOver(const std::string& window, const std::string& name) {
    WindowGeometry area = Geometry(window);
    std::string path = m_screenshotDir + "/" + name + ".png";
    std::string crop = std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                       std::to_string(area.x) + "+" + std::to_string(area.y);
    CommandResult result = RunCommand({"import", "-window", "root", "-crop", crop, "+repage", path},
                                      {m_displayEnv}, std::chrono::seconds(30));
    if (result.exitCode != 0) throw std::runtime_error("screenshot failed: " + path);
    return path;
}

WindowImage Desktop::CaptureWindow(const std::string& window) {
    CommandResult result = RunCommand({"import", "-window", window, "-depth", "8", "ppm:-"},
                                      {m_displayEnv}, std::chrono::seconds(30));
    return result.exitCode == 0 ? WindowImage::FromPpm(result.output) : WindowImage();
}

bool Desktop::CloseBox(const std::string& window) {
    return SendProtocol(window, "WM_DELETE_WINDOW");
}

bool Desktop::SendProtocol(const std::string& window, const char* atom) {
    std::string name = m_displayEnv.substr(m_displayEnv.find('=') + 1);
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<::Window>(std::stoul(window));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, atom, False));
    event.xclient.data.l[1] = CurrentTime;
    Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent != 0;
}

}  // namespace e2e
