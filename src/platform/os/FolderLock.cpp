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

}  // namespace

FolderLock FolderLock::TryAcquire(const std::string& directory, const std::string& name) {
    if (directory.empty()) return FolderLock(-1, State::Unavailable);
    int fd = OpenLockFile(directory.back() == '/' ? directory + name : directory + "/" + name);
    if (fd < 0) return FolderLock(-1, State::Unavailable);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return FolderLock(-1, State::Unavailable);
    }
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return FolderLock(fd, State::Held);
    int error = errno;
    close(fd);
    return FolderLock(-1, error == EWOULDBLOCK ? State::HeldByOther : State::Unavailable);
}

FolderLock::FolderLock(FolderLock&& other) noexcept : m_fd(other.m_fd), m_state(other.m_state) {
    other.m_fd = -1;
}

FolderLock::~FolderLock() {
    if (m_fd >= 0) close(m_fd);
}

}  // namespace os
