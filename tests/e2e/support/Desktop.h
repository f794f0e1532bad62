// What a user does at the screen, for end-to-end tests: find windows, press
// keys, click, and take screenshots. Drives xdotool and ImageMagick on a
// VirtualDisplay.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "e2e/support/VirtualDisplay.h"
#include "e2e/support/WindowImage.h"

namespace e2e {

// How often a test that waits for the screen looks again: each look starts
// xdotool or ImageMagick, so looking more often only loads the machine.
constexpr std::chrono::milliseconds kLookInterval{100};

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Desktop {
  public:
    // `screenshotDir` receives the PNGs of Screenshot(); it is created if missing.
    Desktop(const VirtualDisplay& display, std::string screenshotDir);

    // The id of a mapped window whose title is exactly `title`, waiting up to
    // `timeout`; "" when none appeared.
    std::string WaitForWindow(const std::string& title,
                              std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Waits until no mapped window has the title; false if one is still there.
    bool WaitForWindowGone(const std::string& title,
                           std::chrono::milliseconds timeout = std::chrono::seconds(20));
    std::string WindowTitle(const std::string& window);
    WindowGeometry Geometry(const std::string& window);

    // Gives the window the keyboard focus as a window manager does (the X
    // focus, and WM_TAKE_FOCUS for programs such as Wine that wait for it),
    // then presses each key in turn (xdotool names: "Tab", "Return",
    // "Escape", "alt+n", "space", ...).
    void Keys(const std::string& window, const std::vector<std::string>& keys);
    // Types text into the focused control of `window`.
    void Type(const std::string& window, const std::string& text);
    // Asks the window to close as a window manager's close box does
    // (WM_DELETE_WINDOW); false when the message could not be sent.
    bool CloseBox(const std::string& window);
    // Clicks at (x, y) relative to the window's top-left corner.
    void Click(const std::string& window, int x, int y);

    // Writes <screenshotDir>/<name>.png of the whole screen; returns its path.
    std::string Screenshot(const std::string& name);
    // The colour "#rrggbb" of one pixel of the screen.
    std::string PixelColour(int x, int y);
    // Writes <screenshotDir>/<name>.png of one window's area; returns its path.
    std::string ScreenshotWindow(const std::string& window, const std::string& name);
    // Writes <screenshotDir>/<name>.png of the screen inside the window's
    // rectangle, with whatever covers it (a dialog on top); returns its path.
    std::string ScreenshotScreenOver(const std::string& window, const std::string& name);
    // The pixels of one window's area as the screen shows them now.
    WindowImage CaptureWindow(const std::string& window);

  private:
    // Gives `window` the keyboard focus; see Keys().
    void Focus(const std::string& window);
    // Sends the window a WM_PROTOCOLS message naming the protocol `atom`,
    // as a window manager does; false when it could not be sent.
    bool SendProtocol(const std::string& window, const char* atom);
    // The ids of the mapped windows titled exactly `title`.
    std::vector<std::string> FindWindows(const std::string& title);
    std::string Run(const std::vector<std::string>& argv);

    std::string m_displayEnv;
    std::string m_screenshotDir;
};

}  // namespace e2e
