#include "platform/os/Thread.h"

#include <system_error>

namespace os {

namespace {
std::atomic<int> g_failingStarts{0};
}

Thread::~Thread() {
    Join();
}

bool Thread::Start(ThreadEntry entry, LPVOID parameter) {
    if (m_started || entry == nullptr) return false;
    int failing = g_failingStarts.load();
    while (failing > 0) {
        if (g_failingStarts.compare_exchange_weak(failing, failing - 1)) return false;
    }
    m_entry = entry;
    m_parameter = parameter;
    m_systemId.store(0);
    try {
        m_thread = std::thread(&Thread::Run, this);
    } catch (const std::system_error&) {
        return false;
    }
    m_started = true;
    return true;
}

void Thread::Run() {
    m_systemId.store(CurrentSystemId());
    m_systemId.notify_all();
    m_entry(m_parameter);
}

void Thread::Join() {
    if (!m_started) return;
    m_thread.join();
    m_started = false;
}

void Thread::FailStartsForTesting(int count) {
    g_failingStarts.store(count);
}

}  // namespace os
