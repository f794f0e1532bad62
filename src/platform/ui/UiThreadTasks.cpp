#include "platform/ui/UiThreadTasks.h"

#include <deque>
#include <mutex>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"

namespace ui {
namespace {

constexpr UINT kRunTask = WM_APP + 0x3F00;

// A window of its own that runs one queued task per message it receives,
// so tasks keep their place among all other posted messages.
class TaskWindow final : public MessageTarget {
  public:
    TaskWindow() : m_hWnd(RegisterWindow(this)) {}

    void Post(std::function<void()> task) {
        {
            std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        ::PostMessage(m_hWnd, kRunTask, 0, 0);
    }

    LRESULT WindowProc(UINT message, WPARAM, LPARAM) override {
        if (message != kRunTask) return 0;
        std::function<void()> task;
        {
            std::lock_guard lock(m_mutex);
            if (m_tasks.empty()) return 0;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
        return 0;
    }

  private:
    HWND m_hWnd;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
};

TaskWindow& Tasks() {
    static TaskWindow* window = new TaskWindow();  // lives as long as the process
    return *window;
}

}  // namespace

void PostTask(std::function<void()> task) {
    Tasks().Post(std::move(task));
}

}  // namespace ui
