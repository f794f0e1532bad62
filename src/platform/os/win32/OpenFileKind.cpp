#include "platform/os/win32/OpenFileKind.h"

#include <windows.h>

#include <cerrno>

#include "platform/os/win32/SystemErrors.h"

namespace os {

int OpenFileKindError(void* handle, bool refuseSecondName) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) return LastErrorAsErrno();
    if (IsLink(info.dwFileAttributes)) return EEXIST;
    if (IsFolder(info.dwFileAttributes)) return EISDIR;
    if (GetFileType(handle) != FILE_TYPE_DISK) return EEXIST;
    // A second name (a hard link) may make someone else's file look like ours.
    if (refuseSecondName && info.nNumberOfLinks > 1) return EMLINK;
    return 0;
}

bool PathAttributes(const wchar_t* path, unsigned long& attributes) {
    // Unlike the query by handle, this reads a link's own attributes.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return false;
    attributes = data.dwFileAttributes;
    return true;
}

bool IsFolder(unsigned long attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsLink(unsigned long attributes) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace os
