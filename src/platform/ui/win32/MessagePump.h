// The UI thread's Windows message loop. Keys meant for the model are taken
// out of the loop before any control sees them (the dialog manager is never
// asked), everything else is dispatched as usual. Other threads end a wait
// through Wake: one message to a hidden message-only window, posted only
// when none is pending, so a burst of wakes costs one message.
#pragma once

#include <atomic>
#include <bitset>

#include "platform/Types.h"

struct tagMSG;

namespace ui::win32 {

class NativeEvents;
class WindowClass;

class MessagePump {
  public:
    // A pump for the windows of `windows`, whose keys go to `events`; both
    // must outlive it. UI thread.
    MessagePump(const WindowClass& windows, NativeEvents& events);
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;
    ~MessagePump();

    // The wake-up window exists: other threads can end a Wait.
    bool IsReady() const { return m_wakeWindow != nullptr; }
    // Handles every message waiting, without blocking.
    void Poll();
    // Blocks until a message arrives (input, or a Wake), then handles all
    // that are waiting.
    void Wait();
    // Any thread: ends a Wait. Cheap when a wake is already pending.
    void Wake();

  private:
    // True when the message was a key the model took, or one that must not
    // reach the system's menu handling; it is then not dispatched.
    bool TakeKey(const ::tagMSG& message);

    const WindowClass& m_windows;
    NativeEvents& m_events;
    HWND m_wakeWindow = nullptr;
    std::atomic<bool> m_wakePending{false};
    // Keys whose key-down the model took: their key-up is dropped as well,
    // so a button never sees half a press.
    std::bitset<256> m_takenKeys;
};

}  // namespace ui::win32
