#include "platform/os/LocalFile.h"

#include <windows.h>

#include <cerrno>
#include <utility>

#include "platform/os/NativePath.h"
#include "platform/os/win32/OpenFileKind.h"
#include "platform/os/win32/SystemErrors.h"
#include "platform/os/win32/SystemPath.h"

namespace os {

namespace {

// Never follows a link at the end of the path: the link itself is opened.
constexpr DWORD kNoFollow = FILE_FLAG_OPEN_REPARSE_POINT;

HANDLE OpenSystemFile(const std::wstring& path, OpenMode mode) {
    switch (mode) {
        case OpenMode::Probe:
            // A folder opens too (backup semantics), so that it is told apart.
            return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, kNoFollow | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        case OpenMode::TruncateExisting:
            // Emptied only once it is known to be a regular file.
            return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               kNoFollow | FILE_ATTRIBUTE_NORMAL, nullptr);
        case OpenMode::CreateNew:
            return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                               kNoFollow | FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return INVALID_HANDLE_VALUE;
}

// The errno of a failed open of `path`: a folder refuses to open for
// writing with "access denied", which is no matter of rights.
int OpenError(const std::wstring& path) {
    DWORD code = GetLastError();
    unsigned long attributes = 0;
    if (code == ERROR_ACCESS_DENIED && PathAttributes(path.c_str(), attributes)) {
        if (IsLink(attributes)) return EEXIST;
        if (IsFolder(attributes)) return EISDIR;
    }
    return ErrnoFromSystemError(code);
}

bool Truncate(HANDLE file) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

}  // namespace

LocalFile LocalFile::Open(const char* path, OpenMode mode) {
    std::string nativePath = ToNativePath(path);
    if (nativePath.empty()) return LocalFile(kNoHandle, ENOENT);
    std::wstring systemPath = SystemPath(nativePath);
    HANDLE file = OpenSystemFile(systemPath, mode);
    if (file == INVALID_HANDLE_VALUE) return LocalFile(kNoHandle, OpenError(systemPath));
    int error = OpenFileKindError(file, mode == OpenMode::Probe);
    if (error == 0 && mode == OpenMode::TruncateExisting && !Truncate(file)) {
        error = LastErrorAsErrno();
    }
    if (error != 0) {
        CloseHandle(file);
        return LocalFile(kNoHandle, error);
    }
    return LocalFile(reinterpret_cast<std::intptr_t>(file), 0);
}

bool LocalFile::Fail(int error) {
    m_error = error;
    return false;
}

bool LocalFile::Write(const void* data, std::size_t size) {
    if (!IsOpen()) return Fail(EBADF);
    HANDLE file = reinterpret_cast<HANDLE>(m_handle);
    const char* bytes = static_cast<const char*>(data);
    constexpr std::size_t kLargestWrite = 1u << 30;
    while (size > 0) {
        DWORD chunk = static_cast<DWORD>(size < kLargestWrite ? size : kLargestWrite);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr)) return Fail(LastErrorAsErrno());
        if (written == 0) return Fail(EIO);
        bytes += written;
        size -= written;
    }
    return true;
}

bool LocalFile::Sync() {
    if (!IsOpen()) return Fail(EBADF);
    return FlushFileBuffers(reinterpret_cast<HANDLE>(m_handle)) || Fail(LastErrorAsErrno());
}

bool LocalFile::Close() {
    if (!IsOpen()) return true;
    HANDLE file = reinterpret_cast<HANDLE>(std::exchange(m_handle, kNoHandle));
    return CloseHandle(file) || Fail(LastErrorAsErrno());
}

bool DeleteLocalPath(const char* path) {
    std::string nativePath = ToNativePath(path);
    if (nativePath.empty()) return false;
    std::wstring systemPath = SystemPath(nativePath);
    unsigned long attributes = 0;
    if (!PathAttributes(systemPath.c_str(), attributes)) return false;
    // A link to a folder is removed as a folder entry: the link goes, and
    // nothing of what it points to.
    if (IsFolder(attributes)) return IsLink(attributes) && RemoveDirectoryW(systemPath.c_str());
    return DeleteFileW(systemPath.c_str()) != 0;
}

int RenameLocalPath(const char* from, const char* to) {
    std::string nativeFrom = ToNativePath(from);
    std::string nativeTo = ToNativePath(to);
    if (nativeFrom.empty() || nativeTo.empty()) return ENOENT;
    std::wstring systemFrom = SystemPath(nativeFrom);
    std::wstring systemTo = SystemPath(nativeTo);
    // A virus scanner or an indexer that looks at a new file holds it open
    // for a moment, and the rename fails meanwhile: it is tried again for a
    // while before the file counts as busy.
    constexpr int kTries = 100;
    constexpr DWORD kPauseMs = 20;
    for (int tries = 1;; ++tries) {
        if (MoveFileExW(systemFrom.c_str(), systemTo.c_str(), MOVEFILE_REPLACE_EXISTING)) return 0;
        DWORD error = GetLastError();
        bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!busy || tries == kTries) return ErrnoFromSystemError(error);
        Sleep(kPauseMs);
    }
}

int CheckReplaceable(const char* path) {
    std::string nativePath = ToNativePath(path);
    if (nativePath.empty()) return ENOENT;
    std::wstring systemPath = SystemPath(nativePath);
    unsigned long attributes = 0;
    if (!PathAttributes(systemPath.c_str(), attributes)) {
        int error = LastErrorAsErrno();
        return error == ENOENT ? 0 : error;
    }
    // A rename replaces a link to a file, but no folder and no link to one.
    if (IsFolder(attributes)) return EISDIR;
    if (IsLink(attributes)) return 0;
    // Opened for writing and deletion, as a rename over it needs, and
    // changed in nothing; a program running from it refuses both.
    HANDLE file = CreateFileW(systemPath.c_str(), GENERIC_WRITE | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, kNoFollow, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastErrorAsErrno();
    int error = OpenFileKindError(file, false);
    CloseHandle(file);
    return error;
}

}  // namespace os
