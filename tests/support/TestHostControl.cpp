#include "support/TestHostControl.h"

#include <chrono>

namespace testing_support {

namespace {

constexpr std::chrono::milliseconds kStep{20};

}  // namespace

void HostControl::Stop() {
    std::lock_guard<std::mutex> lock(m_lock);
    m_stopped = true;
    m_changed.notify_all();
}

bool HostControl::Stopped() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_stopped;
}

void HostControl::Release() {
    std::lock_guard<std::mutex> lock(m_lock);
    ++m_releases;
    m_changed.notify_all();
}

bool HostControl::Sleep(int milliseconds) {
    std::unique_lock<std::mutex> lock(m_lock);
    return !m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                               [this] { return m_stopped; });
}

bool HostControl::WaitForRelease(SocketHandle socket) {
    std::unique_lock<std::mutex> lock(m_lock);
    while (m_releases == 0) {
        if (m_stopped) return false;
        m_changed.wait_for(lock, kStep);
        lock.unlock();
        bool left = PeerHasLeft(socket);
        lock.lock();
        if (left) return false;
    }
    --m_releases;
    return !m_stopped;
}

}  // namespace testing_support
