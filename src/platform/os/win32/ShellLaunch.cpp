#include "platform/os/win32/ShellLaunch.h"

#include <windows.h>
// COM's and the shell's declarations need the system's types first.
#include <objbase.h>
#include <shellapi.h>

#include "platform/os/win32/OpenFileKind.h"
#include "platform/os/win32/SystemErrors.h"
#include "platform/os/win32/UniqueHandle.h"

namespace os {

ShellLaunch OpenWithShell(const std::wstring& target, const std::wstring& directory) {
    // The shell may hand the call to extensions that need COM on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result =
        ShellExecuteW(nullptr, L"open", target.c_str(), L"",
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
    return ShellLaunch{0, reinterpret_cast<std::intptr_t>(result)};
}

ShellLaunch StartProgramFile(const std::wstring& path, const std::wstring& directory) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.IsValid()) {
        DWORD code = GetLastError();
        unsigned long attributes = 0;
        // A folder refuses a plain open with "access denied".
        bool folder = code == ERROR_ACCESS_DENIED && PathAttributes(path.c_str(), attributes) &&
                      IsFolder(attributes);
        return ShellLaunch{folder ? EISDIR : ErrnoFromSystemError(code), 0};
    }
    if (int error = OpenFileKindError(file.Get(), true)) return ShellLaunch{error, 0};
    return OpenWithShell(path, directory);
}

}  // namespace os
