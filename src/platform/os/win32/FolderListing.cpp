#include "platform/os/FolderListing.h"

#include <windows.h>

#include "platform/os/win32/OpenFileKind.h"
#include "platform/os/win32/SystemPath.h"
#include "platform/os/win32/UniqueHandle.h"
#include "platform/os/win32/WideText.h"

namespace os {
namespace {

std::string InFolder(const std::string& directory, const std::string& name) {
    char last = directory.back();
    return last == '\\' || last == '/' ? directory + name : directory + "\\" + name;
}

bool IsPlainName(const std::string& name) {
    // A drive or stream marker (':') would name something else than an entry.
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string::npos;
}

bool IsRegularEntry(const WIN32_FIND_DATAW& entry) {
    constexpr DWORD kNotAFile =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
    return (entry.dwFileAttributes & kNotAFile) == 0;
}

}  // namespace

std::vector<std::string> RegularFilesIn(const std::string& directory) {
    std::vector<std::string> names;
    if (directory.empty()) return names;
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileExW(SystemPath(InFolder(directory, "*")).c_str(), FindExInfoBasic,
                                     &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (IsRegularEntry(entry)) names.push_back(Utf8FromWide(entry.cFileName));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

bool RemoveRegularFileIn(const std::string& directory, const std::string& name) {
    if (directory.empty() || !IsPlainName(name)) return false;
    // The file is checked and removed through one handle, so that what is
    // removed is what was checked, whatever the name means by then.
    UniqueHandle file(CreateFileW(SystemPath(InFolder(directory, name)).c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.IsValid() || OpenFileKindError(file.Get(), false) != 0) {
        return false;
    }
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

}  // namespace os
