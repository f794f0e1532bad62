#include "platform/os/Thread.h"

#include <errno.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
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
    m_systemId.store(gettid());
    m_systemId.notify_all();
    m_entry(m_parameter);
}

bool Thread::SetBelowNormalPriority() {
    if (!m_started) return false;
    // The kernel knows a thread by its task id (nice + 1 is one step down).
    m_systemId.wait(0);
    auto tid = static_cast<id_t>(m_systemId.load());
    errno = 0;
    int current = getpriority(PRIO_PROCESS, tid);
    if (errno != 0) return false;
    return setpriority(PRIO_PROCESS, tid, current + 1) == 0;
}

void Thread::Join() {
    if (!m_started) return;
    m_thread.join();
    m_started = false;
}

void Thread::FailStartsForTesting(int count) {
    g_failingStarts.store(count);
}

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace os
