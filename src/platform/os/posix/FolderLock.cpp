#include "platform/os/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace os {
namespace {

// O_NONBLOCK keeps a FIFO planted at the name from stalling the open.
constexpr int kOpenFlags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

int OpenLockFile(const std::string& path) {
    int fd = open(path.c_str(), kOpenFlags | O_CREAT, 0644);
    // A read-only folder may still hold the file from an earlier run.
    if (fd < 0 && (errno == EROFS || errno == EACCES)) fd = open(path.c_str(), kOpenFlags);
    return fd;
}

// A holder that lets go removes the file; one that opened it just before
// may then lock a file that no longer bears the name, and must try again.
constexpr int kAttempts = 8;

// Whether `path` names the very file open on `fd` (never following a link).
bool NamesFile(const std::string& path, int fd) {
    struct stat named {};
    struct stat open {};
    if (lstat(path.c_str(), &named) != 0 || fstat(fd, &open) != 0) return false;
    return named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

int LockWithoutWaiting(int fd) {
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

}  // namespace

FolderLock FolderLock::TryAcquire(const std::string& directory, const std::string& name) {
    if (directory.empty()) return FolderLock(kNoHandle, State::Unavailable);
    std::string path = directory.back() == '/' ? directory + name : directory + "/" + name;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int fd = OpenLockFile(path);
        // A link at the name is replaced by the file itself, never followed:
        // a stray link must not leave every wizard unlocked.
        if (fd < 0 && errno == ELOOP && unlink(path.c_str()) == 0) continue;
        if (fd < 0 && errno == EISDIR) return LockFolderItself(directory);
        if (fd < 0) return FolderLock(kNoHandle, State::Unavailable);
        struct stat info {};
        if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            close(fd);
            return LockFolderItself(directory);
        }
        int error = LockWithoutWaiting(fd);
        if (error == 0 && NamesFile(path, fd)) return FolderLock(fd, State::Held, path);
        close(fd);
        if (error == EWOULDBLOCK) return FolderLock(kNoHandle, State::HeldByOther);
        if (error != 0) return FolderLock(kNoHandle, State::Unavailable);
    }
    return FolderLock(kNoHandle, State::Unavailable);
}

FolderLock FolderLock::LockFolderItself(const std::string& directory) {
    int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return FolderLock(kNoHandle, State::Unavailable);
    int error = LockWithoutWaiting(fd);
    if (error == 0) return FolderLock(fd, State::Held);
    close(fd);
    return FolderLock(kNoHandle, error == EWOULDBLOCK ? State::HeldByOther : State::Unavailable);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, kNoHandle)),
      m_state(other.m_state),
      m_path(std::move(other.m_path)) {}

FolderLock::~FolderLock() {
    if (m_handle == kNoHandle) return;
    int fd = static_cast<int>(m_handle);
    // Removed while still locked, so that no other wizard holds it meanwhile.
    if (!m_path.empty() && NamesFile(m_path, fd)) unlink(m_path.c_str());
    close(fd);
}

}  // namespace os
