// An Xvfb server of the test's own on the first free display number. It is
// ready when the constructor returns and stops when the object goes.
#pragma once

#include <memory>
#include <string>

#include "e2e/support/Subprocess.h"
#include "support/NonCopyable.h"

namespace e2e {

class VirtualDisplay : testing_support::NonCopyable {
  public:
    // Starts Xvfb with one 24-bit screen of width x height; throws on
    // failure. A `fontDpi` other than 0 is published to clients as the
    // desktop's Xft.dpi resource, as desktops that scale their interface do.
    explicit VirtualDisplay(int width = 1024, int height = 768, int fontDpi = 0);

    // The display name, e.g. ":3".
    const std::string& Name() const { return m_name; }
    // "DISPLAY=:3", for a child's environment.
    std::string EnvironmentEntry() const { return "DISPLAY=" + m_name; }

  private:
    std::unique_ptr<Subprocess> m_server;
    std::string m_name;
};

}  // namespace e2e
