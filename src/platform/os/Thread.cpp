#include "platform/os/Thread.h"

namespace os {

Thread::~Thread() {
    Join();
}

bool Thread::Start(ThreadEntry entry, LPVOID parameter) {
    if (m_started || entry == nullptr) return false;
    m_entry = entry;
    m_parameter = parameter;
    m_systemId.store(0);
    if (!Launch()) return false;
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

}  // namespace os
