// A Wine prefix of one test's own, for running the Windows build: made
// fresh in a new folder under a root by the project's one prefix maker
// (scripts/wine-prefix), and ended with every program in it, its folder
// removed, when the object goes.
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
    const std::vector<std::string>& Environment() const { return m_environment; }
    // Makes Wine report Windows `version` ("win98", "winxp", ...) to the
    // programs started from now on; throws when the setting fails.
    void SetWindowsVersion(const std::string& version);

  private:
    std::string m_path;
    std::string m_displayEntry;
    std::vector<std::string> m_environment;
};

}  // namespace e2e
