// What the folder lock's tests on every platform share: the lock file's
// name, and a try to take the lock of a folder.
#pragma once

#include "platform/os/FolderLock.h"
#include "support/TempDir.h"

namespace testing_support {

constexpr const char* kLockName = ".lock";

// The state of a fresh try to take `dir`'s lock, let go of at once.
inline os::FolderLock::State TryLock(const TempDir& dir) {
    return os::FolderLock::TryAcquire(dir.Path(), kLockName).GetState();
}

}  // namespace testing_support
