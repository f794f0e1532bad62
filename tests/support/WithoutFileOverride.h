// Root ignores file permissions, and the tests often run as root. While an
// object of this class lives, the calling thread (and threads it starts)
// lose that override, so read-only files and folders behave as they do for
// an ordinary user. Without root it changes nothing.
#pragma once
#include "support/NonCopyable.h"

namespace testing_support {

class WithoutFileOverride : NonCopyable {
  public:
    WithoutFileOverride();
    ~WithoutFileOverride();

  private:
    bool m_dropped = false;
};

}  // namespace testing_support
