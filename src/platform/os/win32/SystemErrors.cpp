#include "platform/os/win32/SystemErrors.h"

#include <windows.h>

#include <cerrno>

namespace os {
namespace {

// Not in every SDK's headers.
constexpr DWORD kErrorDiskQuotaExceeded = 1295;

struct ErrorPair {
    DWORD code;
    int error;
};

constexpr ErrorPair kErrors[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_BAD_NETPATH, ENOENT},
    {ERROR_BAD_NET_NAME, ENOENT},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_PRIVILEGE_NOT_HELD, EPERM},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {kErrorDiskQuotaExceeded, ENOSPC},
    {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_NOT_READY, EIO},
    {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},
    {ERROR_USER_MAPPED_FILE, ETXTBSY},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_INVALID_NAME, ENOENT},
    {ERROR_TOO_MANY_LINKS, EMLINK},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_TOO_MANY_OPEN_FILES, EMFILE},
    {ERROR_INVALID_HANDLE, EBADF},
    {ERROR_NOT_SAME_DEVICE, EXDEV},
    {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
    {ERROR_FILE_TOO_LARGE, EFBIG},
    {ERROR_CANT_RESOLVE_FILENAME, ELOOP},
};

}  // namespace

int ErrnoFromSystemError(unsigned long code) {
    if (code == ERROR_SUCCESS) return 0;
    for (const ErrorPair& pair : kErrors) {
        if (pair.code == code) return pair.error;
    }
    return EIO;
}

int LastErrorAsErrno() {
    return ErrnoFromSystemError(GetLastError());
}

}  // namespace os
