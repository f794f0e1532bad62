// An advisory lock on a file of the program's own in a folder, so that two
// copies of a program never work in one folder at once. The kernel releases
// it when its holder ends in any way, so a crash never locks a folder for
// good; the lock file itself is left in place, which keeps every holder on
// one and the same file.
#pragma once

#include <string>

namespace os {

class FolderLock {
  public:
    enum class State {
        Held,         // this object holds the lock until it is destroyed
        HeldByOther,  // another open of the lock file holds it now
        Unavailable,  // the lock file cannot be opened or locked (a read-only folder)
    };

    // Opens, creating it if need be, the regular file `name` in POSIX
    // folder `directory` and tries once, without waiting, to lock it. A
    // symbolic link, a folder or anything else at that name is never
    // followed or locked: the result is then Unavailable, as it is for
    // an empty `directory`.
    static FolderLock TryAcquire(const std::string& directory, const std::string& name);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    // Releases the lock, if held.
    ~FolderLock();

    State GetState() const { return m_state; }

  private:
    FolderLock(int fd, State state) : m_fd(fd), m_state(state) {}
    int m_fd = -1;  // open only while the lock is held
    State m_state;
};

}  // namespace os
