// A lock on a file of the program's own in a folder, so that two copies of
// a program never work in one folder at once: an advisory lock on POSIX, an
// open that shares nothing on Windows. The kernel releases it when its
// holder ends in any way, so a crash never locks a folder for good. The holder removes the lock
// file when it lets go; a lock taken on a file that was removed or replaced meanwhile is not taken,
// so every holder is on the one file the folder holds.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace os {

class FolderLock {
  public:
    enum class State {
        Held,         // this object holds the lock until it is destroyed
        HeldByOther,  // another open of the lock file holds it now
        Unavailable,  // the lock file cannot be opened or locked (a read-only folder)
    };

    // Opens, creating it if need be, the regular file `name` in the native
    // folder `directory` and tries once, without waiting, to lock it. A
    // link at that name is never followed: it is replaced by the
    // file. A folder or anything else there is never locked or removed:
    // the folder itself is locked instead, so that every copy that finds it
    // there still shares one lock. Unavailable for an empty `directory`.
    // On Windows the file goes when its handle closes, on a crash as well.
    static FolderLock TryAcquire(const std::string& directory, const std::string& name);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    // Removes the lock file and releases the lock, if held.
    ~FolderLock();

    State GetState() const { return m_state; }

  private:
    // The lock on `directory` itself, when the lock file's name is taken.
    static FolderLock LockFolderItself(const std::string& directory);
    // A file descriptor or a Windows handle; the system gives neither this value.
    static constexpr std::intptr_t kNoHandle = -1;
    FolderLock(std::intptr_t handle, State state, std::string path = {})
        : m_handle(handle), m_state(state), m_path(std::move(path)) {}
    std::intptr_t m_handle = kNoHandle;  // open only while the lock is held
    State m_state;
    std::string m_path;  // the lock file, while held; "" when the folder is locked
};

}  // namespace os
