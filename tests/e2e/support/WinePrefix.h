// A Wine prefix of one test's own, for running the Windows build: made
// fresh in a new folder under a root (64-bit, quiet, without the Mono and
// Gecko install prompts, with Wine's "MS Sans Serif"), and ended with every
// program in it, its folder removed, when the object goes.
#pragma once

#include <string>
#include <vector>

#include "support/NonCopyable.h"

namespace e2e {

class WinePrefix : testing_support::NonCopyable {
  public:
    // Creates the prefix under `root` with the X server of `displayEntry`
    // ("DISPLAY=:n"); throws when Wine cannot make it.
    WinePrefix(const std::string& root, const std::string& displayEntry);
    ~WinePrefix();

    // The environment entries that run a program in this prefix.
    std::vector<std::string> Environment() const;
    // Makes Wine report Windows `version` ("win98", "winxp", ...) to the
    // programs started from now on; throws when the setting fails.
    void SetWindowsVersion(const std::string& version);

  private:
    // Runs `command` in the prefix and waits until its wineserver ended, so
    // that what it wrote is on disk and no server is left behind.
    void RunToEnd(const std::string& command);

    std::string m_path;
    std::string m_displayEntry;
};

}  // namespace e2e
