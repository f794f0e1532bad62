// Loopback sockets for the test host, and ports that misbehave at the
// connection level.
#pragma once

#include <vector>

#include "support/LoopbackSocket.h"
#include "support/NonCopyable.h"

namespace testing_support {

// A socket bound to 127.0.0.1:`port` (0: a fresh port), with SO_REUSEADDR
// when `reuseAddress`; `boundPort` is the port it got. Throws when there is none.
SocketHandle BindLoopback(int port, bool reuseAddress, int& boundPort);

// A loopback port on which nobody listens: connecting is refused at once.
int UnusedLoopbackPort();

// A loopback port that never completes a connection: it listens, but its
// queue of pending connections is kept full, so the kernel ignores new ones
// and a client waits until its own connect time-out.
class UnansweringPort : NonCopyable {
  public:
    UnansweringPort();
    ~UnansweringPort();

    int Port() const { return m_port; }

  private:
    SocketHandle m_listener = kNoSocket;
    int m_port = 0;
    std::vector<SocketHandle> m_fillers;
};

}  // namespace testing_support
