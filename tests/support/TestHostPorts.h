// Loopback ports that misbehave at the connection level.
#pragma once

#include <vector>

namespace testing_support {

// A loopback port on which nobody listens: connecting is refused at once.
int UnusedLoopbackPort();

// A loopback port that never completes a connection: it listens, but its
// queue of pending connections is kept full, so the kernel ignores new ones
// and a client waits until its own connect time-out.
class UnansweringPort {
  public:
    UnansweringPort();
    UnansweringPort(const UnansweringPort&) = delete;
    UnansweringPort& operator=(const UnansweringPort&) = delete;
    ~UnansweringPort();

    int Port() const { return m_port; }

  private:
    int m_listener = -1;
    int m_port = 0;
    std::vector<int> m_fillers;
};

}  // namespace testing_support
