// A local file opened in one of the modes the wizard uses. Paths may be
// built with backslashes; they are mapped to the platform's form here (see
// NativePath.h). Other processes may always read a file while we write it.
// Nothing here follows a link (a symbolic link, or on Windows any reparse
// point such as a junction) at the end of a path: a link named like one of
// our files is never written through, and only ever replaced or removed
// itself.
#pragma once

#include <cstddef>
#include <cstdint>

namespace os {

enum class OpenMode {
    Probe,             // an existing regular file, no read or write access
    TruncateExisting,  // an existing regular file, for writing, its old contents discarded
    CreateNew,         // a new file for writing (default permissions); fails when
                       // anything, a dangling link included, exists at the path
};

// Owns one open file of the system; closes it when destroyed. Move-only.
class LocalFile {
  public:
    LocalFile() = default;
    LocalFile(LocalFile&& other) noexcept;
    LocalFile& operator=(LocalFile&& other) noexcept;
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;
    ~LocalFile();

    // Opens `path` in `mode`; the result is closed (IsOpen() false) on
    // failure, and Error() tells why: ENOENT when nothing is there, EISDIR
    // for a folder, EEXIST for a link or anything else that is no file,
    // EMLINK when a probed file has a second name. Errors are errno values
    // on every platform.
    static LocalFile Open(const char* path, OpenMode mode);

    bool IsOpen() const { return m_handle != kNoHandle; }
    // Writes all `size` bytes; false when the file is closed or any byte could not be written.
    bool Write(const void* data, std::size_t size);
    // Flushes what was written to the disk itself; false when that failed.
    bool Sync();
    // Closes the file; false when the close reported an error (data may be lost).
    bool Close();
    // The errno of the last failed operation on this object, 0 when none failed.
    int Error() const { return m_error; }

  private:
    // A file descriptor or a Windows handle; the system gives neither this value.
    static constexpr std::intptr_t kNoHandle = -1;
    explicit LocalFile(std::intptr_t handle, int error) : m_handle(handle), m_error(error) {}
    bool Fail(int error);
    std::intptr_t m_handle = kNoHandle;
    int m_error = 0;
};

// Removes the file (or the link itself) at `path` (backslashes allowed);
// never removes a directory.
bool DeleteLocalPath(const char* path);

// Renames `from` over `to` in one step, replacing whatever file or link was
// at `to` (never what a link points to). 0 on success, else the errno. On
// Windows a file that another program holds open for a moment (a virus
// scanner, say) is waited for, up to two seconds.
int RenameLocalPath(const char* from, const char* to);

// 0 when a new file may be renamed over `path`: nothing is there, a
// link is there (it is replaced, not followed), or a regular file
// that this process could write. Otherwise the errno that says why not:
// EISDIR for a directory, EEXIST for anything else that is not a file, and
// the error of opening a regular file for writing (EACCES, say). Never
// changes what it looks at.
int CheckReplaceable(const char* path);

}  // namespace os
