// Windows cannot delete a program's file while the program runs, yet the
// download wizard deletes the package it started when the user presses
// Finish. So the demonstration installer, like the setup stubs of real
// installers, shows its window from a copy of itself in the temporary
// folder and lets the package's own process end at once.
#pragma once

namespace demo {

class SetupCopy {
  public:
    // The argument by which a copy knows that it is to show the window.
    static constexpr char kShowArgument[] = "--show-setup-window";

    // Copies this program into the temporary folder and starts the copy with
    // kShowArgument, in that folder, and waits (10 s at most) until its
    // window is up; removes the copies of earlier runs that no longer run.
    // Answers the copy's process id, or 0 when it could not be started.
    static unsigned long Start();
};

}  // namespace demo
