// A joinable thread with the priority control the download threads need.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "platform/Types.h"

namespace os {

// The entry of a thread: takes one untyped parameter, returns an exit code.
using ThreadEntry = DWORD (*)(LPVOID);

// Owns one thread from Start to Join. Joins in its destructor if the owner
// did not, so no thread outlives its object. Not copyable or movable.
class Thread {
  public:
    Thread() = default;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    ~Thread();

    // Starts `entry(parameter)` at once; false when no thread could be created.
    bool Start(ThreadEntry entry, LPVOID parameter);
    // Lowers the running thread one step below normal priority.
    bool SetBelowNormalPriority();
    // Waits without time limit for the thread to end; does nothing if none was started.
    void Join();
    bool IsStarted() const { return m_started; }

  private:
    // Creates the system's thread, running Run; false when the system has
    // none to give. In the product SystemEntries.cpp defines it; test
    // programs link a definition of their own that can refuse, as a system
    // out of resources does.
    bool Launch();
    void Run();
    // The calling thread's id as the system's scheduler knows it.
    static std::int64_t CurrentSystemId();

    ThreadEntry m_entry = nullptr;
    LPVOID m_parameter = nullptr;
    std::thread m_thread;
    bool m_started = false;
    // The id the system's scheduler knows the thread by, reported by the
    // thread itself as its first act; 0 until then.
    std::atomic<std::int64_t> m_systemId{0};
};

// Suspends the calling thread for `milliseconds`.
void Sleep(DWORD milliseconds);

}  // namespace os
