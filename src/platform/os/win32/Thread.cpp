#include "platform/os/Thread.h"

#include <windows.h>

namespace os {

std::int64_t Thread::CurrentSystemId() {
    return GetCurrentThreadId();
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

void Sleep(DWORD milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace os
