// The signals that reach every thread of a TestHost: stop, and release the
// stalled replies. Waits are cut into short steps so that they also notice
// a client that has gone away.
#pragma once

#include <condition_variable>
#include <mutex>

namespace testing_support {

class HostControl {
  public:
    void Stop();
    bool Stopped() const;
    // From now on stalls end, and no later stall waits.
    void Release();

    // Waits `milliseconds`; false when the host stopped meanwhile.
    bool Sleep(int milliseconds);
    // Waits until Release; false when the host stops or the client on
    // `socket` closes its side first.
    bool WaitForRelease(int socket);

  private:
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_stopped = false;
    bool m_released = false;
};

// Whether the client on `socket` has closed its side (or reset it).
bool PeerHasLeft(int socket);

}  // namespace testing_support
