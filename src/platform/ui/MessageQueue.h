// The one message queue of the user-interface thread, and the message calls
// the wizard uses: PostMessage from any thread, SendMessage on the UI thread.
//
// Posting never loses or reorders a message: every message posted by one
// thread is delivered in the order it was posted. A message whose window is
// dead (or null) when its turn comes is dropped, never dereferenced.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/Types.h"
#include "platform/ui/WindowHandles.h"

// The first message number free for a program's own messages.
constexpr UINT WM_USER = 0x0400;

// Queues a message for `hWnd` and wakes the UI thread; any thread. Always
// TRUE: whether the window still lives is decided at delivery.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Delivers a message at once and returns its result; 0 for a dead or null
// handle. UI thread only (calling it elsewhere is a fault and aborts).
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// TRUE while `hWnd` names a live window; any thread.
BOOL IsWindow(HWND hWnd);

namespace ui {

struct QueuedMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageQueue {
  public:
    // The queue of the process's UI thread.
    static MessageQueue& Instance();

    // Makes the calling thread the UI thread. Without it, the first thread
    // that dispatches or creates a window becomes the UI thread.
    void BindToCurrentThread();
    // TRUE on the UI thread (and before any thread has become it).
    bool IsUIThread();

    // Appends a message; any thread.
    void Post(const QueuedMessage& message);
    // Appends `task`, to run on the UI thread when its turn comes, in order
    // with the messages; any thread.
    void PostTask(std::function<void()> task);
    // Delivers the oldest message or runs the oldest task, if any; true when
    // one was taken (even if its window was dead and it was dropped). UI
    // thread only.
    bool DispatchOne();
    // Delivers messages until the queue is empty, including those posted
    // meanwhile; returns how many were taken. UI thread only.
    int DispatchAll();
    // Blocks until a message is queued or `timeout` passes; true when one is.
    bool WaitForMessage(std::chrono::milliseconds timeout);
    bool IsEmpty();
    // Drops every queued message and task. The product never drops one: only
    // test programs define it (tests/support/FreshMessageQueue.cpp), to start
    // each test from an empty queue.
    void DiscardAll();

    // Installs the hook called when a message is posted from another thread
    // while the UI thread may be asleep in a toolkit. Wake-ups coalesce: the
    // hook runs once until the UI thread next takes messages. It runs on the
    // posting thread, outside the queue's lock, and must be cheap and safe
    // from any thread. An empty hook removes it.
    void SetWakeHook(std::function<void()> hook);

  private:
    // One turn of the queue: a message, or a task when `task` is set.
    struct Entry {
        QueuedMessage message;
        std::function<void()> task;
    };

    MessageQueue() = default;
    void BindIfUnbound();
    void Append(Entry entry);

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<Entry> m_messages;
    std::thread::id m_uiThread;
    bool m_wakePending = false;
    std::function<void()> m_wakeHook;
};

}  // namespace ui
