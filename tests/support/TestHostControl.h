// The signals that reach every thread of a TestHost: stop, and release a
// stalled reply. Waits are cut into short steps so that they also notice a
// client that has gone away.
#pragma once

#include <condition_variable>
#include <mutex>

#include "support/LoopbackSocket.h"

namespace testing_support {

class HostControl {
  public:
    void Stop();
    bool Stopped() const;
    // Ends one stall: the one waiting now, or else the next one to begin.
    void Release();

    // Waits `milliseconds`; false when the host stopped meanwhile.
    bool Sleep(int milliseconds);
    // Waits for a Release and uses it up; false when the host stops or the
    // client on `socket` closes its side first.
    bool WaitForRelease(SocketHandle socket);

  private:
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_stopped = false;
    int m_releases = 0;  // releases not yet used up by a stall
};

}  // namespace testing_support
