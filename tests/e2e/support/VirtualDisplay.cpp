#include "e2e/support/VirtualDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

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

}  // namespace

VirtualDisplay::VirtualDisplay(int width, int height) {
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
}

}  // namespace e2e
