// The UI thread's message queue as a test starts from it.
#pragma once
#include "support/NonCopyable.h"

namespace testing_support {

// While it lives: the calling thread is the UI thread and the queue started
// empty; whatever is left in it is discarded when it ends. A fixture
// declares it before any thread member, so those threads are joined first.
class FreshMessageQueue : NonCopyable {
  public:
    FreshMessageQueue();
    ~FreshMessageQueue();
};

}  // namespace testing_support
