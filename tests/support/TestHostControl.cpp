#include "support/TestHostControl.h"

#include <poll.h>
#include <sys/socket.h>

#include <chrono>

namespace testing_support {

namespace {

constexpr std::chrono::milliseconds kStep{20};

// Whether the client on `socket` has closed its side (or reset it).
bool PeerHasLeft(int socket) {
    pollfd entry{socket, POLLIN | POLLRDHUP, 0};
    if (poll(&entry, 1, 0) <= 0) return false;
    if (entry.revents & (POLLRDHUP | POLLHUP | POLLERR)) return true;
    char byte = 0;
    return recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

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

bool HostControl::WaitForRelease(int socket) {
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
