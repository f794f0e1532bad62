#include "e2e/support/VirtualDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

// Last: Xlib's macros must not meet the standard headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace e2e {

namespace {

// Xvfb writes the display number it chose, and a newline, once it accepts clients.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    for (;;) {
        pollfd wait{fd, POLLIN, 0};
        if (poll(&wait, 1, 20000) <= 0) throw std::runtime_error("Xvfb did not start");
        char ch = 0;
        if (read(fd, &ch, 1) != 1) throw std::runtime_error("Xvfb ended at start");
        if (ch == '\n') return number;
        number += ch;
    }
}

// Sets the resource database that clients read at start-up (what
// `xrdb` does) to one entry, Xft.dpi.
void PublishFontDpi(const std::string& name, int dpi) {
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) throw std::runtime_error("cannot open " + name);
    std::string resources = "Xft.dpi:\t" + std::to_string(dpi) + "\n";
    XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(resources.data()),
                    static_cast<int>(resources.size()));
    XSync(display, False);
    XCloseDisplay(display);
}

}  // namespace

VirtualDisplay::VirtualDisplay(int width, int height, int fontDpi) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    SpawnOptions options;
    options.passFd = pipeFds[1];
    options.stdoutPath = "/dev/null";
    std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    try {
        m_server = std::make_unique<Subprocess>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen",
                                     "0", screen, "-nolisten", "tcp", "-noreset"},
            options);
    } catch (...) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw;
    }
    close(pipeFds[1]);
    try {
        m_name = ":" + ReadDisplayNumber(pipeFds[0]);
    } catch (...) {
        close(pipeFds[0]);
        throw;
    }
    close(pipeFds[0]);
    if (fontDpi != 0) PublishFontDpi(m_name, fontDpi);
}

}  // namespace e2e
