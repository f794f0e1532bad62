// Waiting for something another thread does, without timing assertions:
// the limit is generous and only ends a wait that would never succeed.
#pragma once

#include <chrono>
#include <thread>

namespace testing_support {

constexpr std::chrono::milliseconds kGenerousWait{20000};

// Polls `condition` every `poll` until it holds (true) or `limit` has
// passed (false). A condition that starts programs wants a longer `poll`.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = kGenerousWait,
               std::chrono::milliseconds poll = std::chrono::milliseconds(2)) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(poll);
    }
    return true;
}

}  // namespace testing_support
