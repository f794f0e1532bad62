#include "platform/os/Thread.h"

#include <errno.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <thread>

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
    m_tid.store(0);
    m_started = pthread_create(&m_thread, nullptr, &Thread::Trampoline, this) == 0;
    return m_started;
}

void* Thread::Trampoline(void* self) {
    auto* thread = static_cast<Thread*>(self);
    thread->m_tid.store(gettid());
    thread->m_tid.notify_all();
    thread->m_entry(thread->m_parameter);
    return nullptr;
}

bool Thread::SetBelowNormalPriority() {
    if (!m_started) return false;
    // The kernel knows a thread by its task id, which the thread reports
    // itself as its first act.
    m_tid.wait(0);
    pid_t tid = m_tid.load();
    errno = 0;
    int current = getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
    if (errno != 0) return false;
    return setpriority(PRIO_PROCESS, static_cast<id_t>(tid), current + 1) == 0;
}

void Thread::Join() {
    if (!m_started) return;
    pthread_join(m_thread, nullptr);
    m_started = false;
}

void Thread::FailStartsForTesting(int count) {
    g_failingStarts.store(count);
}

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace os
