#include "support/FreshMessageQueue.h"

#include "platform/ui/MessageQueue.h"

namespace ui {

void MessageQueue::DiscardAll() {
    std::deque<Entry> dropped;
    {
        std::lock_guard lock(m_mutex);
        dropped.swap(m_messages);
    }
    // The tasks' captures are released here, outside the lock.
}

}  // namespace ui

namespace testing_support {

FreshMessageQueue::FreshMessageQueue() {
    ui::MessageQueue::Instance().BindToCurrentThread();
    ui::MessageQueue::Instance().DiscardAll();
}

FreshMessageQueue::~FreshMessageQueue() {
    ui::MessageQueue::Instance().DiscardAll();
}

}  // namespace testing_support
