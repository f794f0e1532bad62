#include "platform/os/FolderLock.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "platform/os/win32/OpenFileKind.h"
#include "platform/os/win32/SystemPath.h"
#include "platform/os/win32/UniqueHandle.h"

namespace os {
namespace {

// A link removed at the name is replaced by the file; one put back each
// time must not keep the wizard trying for ever.
constexpr int kAttempts = 8;

std::string InFolder(const std::string& directory, const std::string& name) {
    char last = directory.back();
    return last == '\\' || last == '/' ? directory + name : directory + "\\" + name;
}

// Opened by nobody else at the same time (no sharing), the open itself is
// the lock: the system closes the handle when its process ends in any way,
// and the file, marked for deletion on close, goes with it. A link at the
// name is opened itself, and so removed too.
HANDLE OpenLockFile(const std::wstring& path, bool removeOnClose) {
    DWORD access = GENERIC_READ | (removeOnClose ? DELETE : 0);
    DWORD flags = FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT |
                  (removeOnClose ? FILE_FLAG_DELETE_ON_CLOSE : 0);
    return CreateFileW(path.c_str(), access, 0, nullptr, OPEN_ALWAYS, flags, nullptr);
}

bool RemoveLink(const std::wstring& path, unsigned long attributes) {
    return IsFolder(attributes) ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
}

}  // namespace

FolderLock FolderLock::TryAcquire(const std::string& directory, const std::string& name) {
    if (directory.empty()) return FolderLock(kNoHandle, State::Unavailable);
    std::string path = InFolder(directory, name);
    std::wstring systemPath = SystemPath(path);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        UniqueHandle file(OpenLockFile(systemPath, true));
        // A read-only folder may still hold the file from an earlier run.
        if (!file.IsValid() && GetLastError() == ERROR_ACCESS_DENIED) {
            unsigned long attributes = 0;
            if (PathAttributes(systemPath.c_str(), attributes)) {
                if (IsLink(attributes) && RemoveLink(systemPath, attributes)) continue;
                if (IsFolder(attributes)) return LockFolderItself(directory);
            }
            file.Reset(OpenLockFile(systemPath, false));
        }
        if (!file.IsValid()) {
            bool busy = GetLastError() == ERROR_SHARING_VIOLATION;
            return FolderLock(kNoHandle, busy ? State::HeldByOther : State::Unavailable);
        }
        int kind = OpenFileKindError(file.Get(), false);
        if (kind == 0) {
            return FolderLock(reinterpret_cast<std::intptr_t>(file.Release()), State::Held, path);
        }
        // Closing removes a link opened for deletion; anything else stays.
        if (kind != EEXIST) return LockFolderItself(directory);
    }
    return FolderLock(kNoHandle, State::Unavailable);
}

// The folder is known by its volume and file number, which name a mutex
// that every copy shares. It exists while any copy has it open, and the
// system closes it when its process ends, so existence is the lock.
FolderLock FolderLock::LockFolderItself(const std::string& directory) {
    UniqueHandle folder(CreateFileW(SystemPath(directory).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!folder.IsValid() || !GetFileInformationByHandle(folder.Get(), &info)) {
        return FolderLock(kNoHandle, State::Unavailable);
    }
    wchar_t mutexName[80];
    std::swprintf(mutexName, sizeof mutexName / sizeof *mutexName,
                  L"Local\\vessamo-wizard-%08lx-%08lx%08lx", info.dwVolumeSerialNumber,
                  info.nFileIndexHigh, info.nFileIndexLow);
    UniqueHandle mutex(CreateMutexW(nullptr, FALSE, mutexName));
    if (!mutex.IsValid()) return FolderLock(kNoHandle, State::Unavailable);
    if (GetLastError() == ERROR_ALREADY_EXISTS) return FolderLock(kNoHandle, State::HeldByOther);
    return FolderLock(reinterpret_cast<std::intptr_t>(mutex.Release()), State::Held);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, kNoHandle)),
      m_state(other.m_state),
      m_path(std::move(other.m_path)) {}

FolderLock::~FolderLock() {
    // The lock file goes with its handle: it was opened to be deleted on close.
    if (m_handle != kNoHandle) CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

}  // namespace os
