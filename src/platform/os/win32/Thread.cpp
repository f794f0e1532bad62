#include "platform/os/Thread.h"

#include <windows.h>

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
    m_systemId.store(GetCurrentThreadId());
    m_systemId.notify_all();
    m_entry(m_parameter);
}

bool Thread::SetBelowNormalPriority() {
    if (!m_started) return false;
    // The id stays the thread's own until it is joined: the thread library
    // holds a handle to the thread until then.
    // Not m_systemId.wait(0): MinGW's libstdc++ 12 waits on a condition
    // variable there and can miss the notify, which left the UI thread
    // waiting for good while the download ran. The thread stores its id as
    // its first act, so the wait is short.
    while (m_systemId.load() == 0) std::this_thread::yield();
    HANDLE thread = OpenThread(THREAD_SET_INFORMATION | THREAD_QUERY_INFORMATION, FALSE,
                               static_cast<DWORD>(m_systemId.load()));
    if (thread == nullptr) return false;
    bool lowered = SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL) != 0;
    CloseHandle(thread);
    return lowered;
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
    ::Sleep(milliseconds);
}

}  // namespace os
