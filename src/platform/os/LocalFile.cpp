#include "platform/os/LocalFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/os/PosixPath.h"

namespace os {

namespace {

int OpenDescriptor(const std::string& path, OpenMode mode) {
    switch (mode) {
        case OpenMode::Probe:
            return open(path.c_str(), O_PATH | O_CLOEXEC);
        case OpenMode::TruncateExisting:
            return open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        case OpenMode::CreateNew:
            return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    return -1;
}

bool IsDirectory(int fd) {
    struct stat info {};
    return fstat(fd, &info) != 0 || S_ISDIR(info.st_mode);
}

}  // namespace

LocalFile::LocalFile(LocalFile&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

LocalFile& LocalFile::operator=(LocalFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

LocalFile::~LocalFile() {
    Close();
}

LocalFile LocalFile::Open(const char* path, OpenMode mode) {
    std::string posixPath = ToPosixPath(path);
    if (posixPath.empty()) return LocalFile();
    int fd = OpenDescriptor(posixPath, mode);
    if (fd < 0) return LocalFile();
    // A directory opens with O_PATH, but it is not a file the wizard can use.
    if (mode == OpenMode::Probe && IsDirectory(fd)) {
        ::close(fd);
        return LocalFile();
    }
    return LocalFile(fd);
}

bool LocalFile::Write(const void* data, std::size_t size) {
    if (m_fd < 0) return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(m_fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool LocalFile::Close() {
    if (m_fd < 0) return true;
    int result = ::close(std::exchange(m_fd, -1));
    return result == 0;
}

bool DeleteLocalPath(const char* path) {
    std::string posixPath = ToPosixPath(path);
    return !posixPath.empty() && ::unlink(posixPath.c_str()) == 0;
}

}  // namespace os
