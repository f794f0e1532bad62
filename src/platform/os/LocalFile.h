// A local file opened in one of the modes the wizard uses. Paths may be
// built with backslashes; they are mapped to POSIX form here. Other
// processes may always read a file while we write it (POSIX never locks it).
#pragma once

#include <cstddef>

namespace os {

enum class OpenMode {
    Probe,             // an existing file, no read or write access; directories are refused
    TruncateExisting,  // an existing file, for writing, its old contents discarded
    CreateNew,         // a new file for writing; fails when anything exists at the path
};

// Owns one open file descriptor; closes it when destroyed. Move-only.
class LocalFile {
  public:
    LocalFile() = default;
    LocalFile(LocalFile&& other) noexcept;
    LocalFile& operator=(LocalFile&& other) noexcept;
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;
    ~LocalFile();

    // Opens `path` in `mode`; the result is closed (IsOpen() false) on failure.
    static LocalFile Open(const char* path, OpenMode mode);

    bool IsOpen() const { return m_fd >= 0; }
    // Writes all `size` bytes; false when the file is closed or any byte could not be written.
    bool Write(const void* data, std::size_t size);
    // Closes the file; false when the close reported an error (data may be lost).
    bool Close();

  private:
    explicit LocalFile(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// Removes the file at `path` (backslashes allowed); never removes a directory.
bool DeleteLocalPath(const char* path);

}  // namespace os
