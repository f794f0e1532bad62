#include "support/FreshMessageQueue.h"

#include "platform/ui/MessageQueue.h"

namespace testing_support {

FreshMessageQueue::FreshMessageQueue() {
    ui::MessageQueue::Instance().BindToCurrentThread();
    ui::MessageQueue::Instance().DiscardAll();
}

FreshMessageQueue::~FreshMessageQueue() {
    ui::MessageQueue::Instance().DiscardAll();
}

}  // namespace testing_support
