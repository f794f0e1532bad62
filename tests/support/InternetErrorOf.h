// The failure an internet call reports, as a value a test can compare.
#pragma once

#include "platform/net/InternetException.h"

namespace testing_support {

// The error code of the CInternetException that `action` throws, 0 when none.
template <typename Action>
DWORD InternetErrorOf(Action action) {
    try {
        action();
    } catch (const CInternetException& failure) {
        return failure.GetErrorCode();
    }
    return 0;
}

}  // namespace testing_support
