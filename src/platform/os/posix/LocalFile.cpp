#include "platform/os/LocalFile.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <utility>

#include "platform/os/NativePath.h"

namespace os {

namespace {

void OnFileSizeSignal(int /*signal*/) {}

// A write beyond the file-size limit raises SIGXFSZ, which ends the process
// by default. Caught, it lets write() fail with EFBIG, a failed download
// like a full disk. A handler rather than SIG_IGN, because a handler is
// reset when a program is started from here, so the installer we launch
// meets its limit the ordinary way. A disposition someone else chose stays.
void KeepRunningPastFileSizeLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction current {};
        if (sigaction(SIGXFSZ, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) return;
        struct sigaction quiet {};
        quiet.sa_handler = &OnFileSizeSignal;
        sigemptyset(&quiet.sa_mask);
        quiet.sa_flags = SA_RESTART;
        sigaction(SIGXFSZ, &quiet, nullptr);
    });
}

int OpenDescriptor(const std::string& path, OpenMode mode) {
    switch (mode) {
        case OpenMode::Probe:
            return open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        case OpenMode::TruncateExisting:
            return open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
        case OpenMode::CreateNew:
            return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    }
    return -1;
}

// The error that makes `fd` unusable in `mode`, 0 when it is fine. Only a
// regular file is a file the wizard can use; O_PATH opens a link itself, a
// directory or a device without complaint. A file with a second name (a
// hard link) may be someone else's file under the package's name: it is
// never taken for a package that is present.
int CheckKind(int fd, OpenMode mode) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return errno;
    if (S_ISREG(info.st_mode) && mode == OpenMode::Probe && info.st_nlink > 1) return EMLINK;
    if (S_ISREG(info.st_mode)) return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : EEXIST;
}

}  // namespace

LocalFile LocalFile::Open(const char* path, OpenMode mode) {
    std::string posixPath = ToNativePath(path);
    if (posixPath.empty()) return LocalFile(kNoHandle, ENOENT);
    if (mode != OpenMode::Probe) KeepRunningPastFileSizeLimit();
    int fd = OpenDescriptor(posixPath, mode);
    if (fd < 0) return LocalFile(kNoHandle, errno);
    if (int error = CheckKind(fd, mode)) {
        ::close(fd);
        return LocalFile(kNoHandle, error);
    }
    return LocalFile(fd, 0);
}

bool LocalFile::Fail(int error) {
    // Over a disk quota is a full disk to the user; not every system has the code.
    m_error = error == EDQUOT ? ENOSPC : error;
    return false;
}

bool LocalFile::Write(const void* data, std::size_t size) {
    if (!IsOpen()) return Fail(EBADF);
    int fd = static_cast<int>(m_handle);
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return Fail(errno);
        if (written == 0) return Fail(EIO);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool LocalFile::Sync() {
    if (!IsOpen()) return Fail(EBADF);
    return ::fsync(static_cast<int>(m_handle)) == 0 || Fail(errno);
}

bool LocalFile::Close() {
    if (!IsOpen()) return true;
    // Linux releases the descriptor even when close reports an error, so it
    // is never retried.
    return ::close(static_cast<int>(std::exchange(m_handle, kNoHandle))) == 0 || Fail(errno);
}

bool DeleteLocalPath(const char* path) {
    std::string posixPath = ToNativePath(path);
    return !posixPath.empty() && ::unlink(posixPath.c_str()) == 0;
}

int RenameLocalPath(const char* from, const char* to) {
    std::string posixFrom = ToNativePath(from);
    std::string posixTo = ToNativePath(to);
    if (posixFrom.empty() || posixTo.empty()) return ENOENT;
    return ::rename(posixFrom.c_str(), posixTo.c_str()) == 0 ? 0 : errno;
}

int CheckReplaceable(const char* path) {
    std::string posixPath = ToNativePath(path);
    if (posixPath.empty()) return ENOENT;
    struct stat info {};
    if (lstat(posixPath.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISLNK(info.st_mode)) return 0;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    if (!S_ISREG(info.st_mode)) return EEXIST;
    // Opening for writing without O_TRUNC changes nothing in the file. A
    // program running from it refuses writers but not a rename over it; a
    // link put there meanwhile is replaced like any other.
    int fd = open(posixPath.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ELOOP || errno == ETXTBSY ? 0 : errno;
    ::close(fd);
    return 0;
}

}  // namespace os
