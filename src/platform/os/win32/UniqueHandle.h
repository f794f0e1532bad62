// Owns one Windows handle and closes it when destroyed.
#pragma once

#include <windows.h>

#include <utility>

namespace os {

class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() {
        if (IsValid()) CloseHandle(m_handle);
    }

    // Whether a handle is held (null and INVALID_HANDLE_VALUE both mean none).
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE Get() const { return m_handle; }
    // Closes the handle held, if any, and holds `handle` instead.
    void Reset(HANDLE handle) {
        if (IsValid()) CloseHandle(m_handle);
        m_handle = handle;
    }
    // Gives the handle up to the caller, who closes it.
    HANDLE Release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

  private:
    HANDLE m_handle;
};

}  // namespace os
