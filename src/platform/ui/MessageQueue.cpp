#include "platform/ui/MessageQueue.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

MessageQueue& MessageQueue::Instance() {
    static MessageQueue queue;
    return queue;
}

void MessageQueue::BindToCurrentThread() {
    std::lock_guard lock(m_mutex);
    m_uiThread = std::this_thread::get_id();
}

void MessageQueue::BindIfUnbound() {
    std::lock_guard lock(m_mutex);
    if (m_uiThread == std::thread::id()) m_uiThread = std::this_thread::get_id();
}

bool MessageQueue::IsUIThread() {
    std::lock_guard lock(m_mutex);
    return m_uiThread == std::thread::id() || m_uiThread == std::this_thread::get_id();
}

void MessageQueue::Post(const QueuedMessage& message) {
    Append({message, {}});
}

void MessageQueue::PostTask(std::function<void()> task) {
    Append({{}, std::move(task)});
}

void MessageQueue::Append(Entry entry) {
    std::function<void()> wake;
    {
        std::lock_guard lock(m_mutex);
        m_messages.push_back(std::move(entry));
        bool fromOtherThread =
            m_uiThread != std::thread::id() && m_uiThread != std::this_thread::get_id();
        if (fromOtherThread && !m_wakePending && m_wakeHook) {
            m_wakePending = true;
            wake = m_wakeHook;
        }
    }
    m_posted.notify_all();
    if (wake) wake();
}

bool MessageQueue::DispatchOne() {
    BindIfUnbound();
    Entry entry;
    {
        std::lock_guard lock(m_mutex);
        // Cleared before delivery, so a post made during it wakes again.
        m_wakePending = false;
        if (m_messages.empty()) return false;
        entry = std::move(m_messages.front());
        m_messages.pop_front();
    }
    const QueuedMessage& message = entry.message;
    if (entry.task) {
        entry.task();
    } else if (MessageTarget* target = FindWindowTarget(message.hWnd)) {
        target->WindowProc(message.message, message.wParam, message.lParam);
    }
    return true;
}

int MessageQueue::DispatchAll() {
    int count = 0;
    while (DispatchOne()) ++count;
    return count;
}

bool MessageQueue::WaitForMessage(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_posted.wait_for(lock, timeout, [this] { return !m_messages.empty(); });
}

bool MessageQueue::IsEmpty() {
    std::lock_guard lock(m_mutex);
    return m_messages.empty();
}

void MessageQueue::SetWakeHook(std::function<void()> hook) {
    std::lock_guard lock(m_mutex);
    m_wakeHook = std::move(hook);
    m_wakePending = false;
}

}  // namespace ui

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ui::MessageQueue::Instance().Post({hWnd, message, wParam, lParam});
    return TRUE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!ui::MessageQueue::Instance().IsUIThread()) {
        std::fputs("SendMessage called outside the user-interface thread\n", stderr);
        std::abort();
    }
    ui::MessageTarget* target = ui::FindWindowTarget(hWnd);
    return target ? target->WindowProc(message, wParam, lParam) : 0;
}

BOOL IsWindow(HWND hWnd) {
    return ui::FindWindowTarget(hWnd) ? TRUE : FALSE;
}
