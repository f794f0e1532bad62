#include "platform/os/Thread.h"

#include <errno.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>

namespace os {

std::int64_t Thread::CurrentSystemId() {
    return gettid();
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

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace os
