// Measures how long a program takes from exec to its first top-level window
// being mapped: watches the root window of $DISPLAY for MapNotify, starts the
// program, prints the milliseconds, and kills the program again.
//
//   vessamo-bench-mapwatch PROGRAM [ARGS...]   ->   "map_ms=<float>" on stdout
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    // A server that has just announced itself may still turn the first
    // connection away; give it a few seconds.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 100 && display == nullptr; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) usleep(50000);
    }
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    auto start = std::chrono::steady_clock::now();
    pid_t child = -1;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "%s: cannot start %s\n", argv[0], argv[1]);
        return 2;
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) break;
    }
    double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("map_ms=%.2f\n", elapsed);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
