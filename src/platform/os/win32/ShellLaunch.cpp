#include "platform/os/win32/ShellLaunch.h"

#include <windows.h>

#include <cerrno>
// COM's and the shell's declarations need the system's types first.
#include <objbase.h>
#include <shellapi.h>

#include "platform/os/win32/OpenFileKind.h"
#include "platform/os/win32/SystemErrors.h"
#include "platform/os/win32/UniqueHandle.h"

namespace os {

namespace {

// `path` without the prefix that lifts the classic path limit.
std::wstring WithoutLongPrefix(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

// The form of `path` (a system path) that the shell can start from: the
// path itself when shorter than `limit`, else its short (8.3) form when that
// is; "" when neither is, as on a volume that keeps no short names. The
// shell, and the working directory of what it starts, know no longer paths.
std::wstring ShellPath(const std::wstring& path, std::size_t limit) {
    std::wstring plain = WithoutLongPrefix(path);
    if (plain.empty() || plain.size() < limit) return plain;
    DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return {};
    std::wstring shortPath(size, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return {};
    shortPath.resize(length);
    shortPath = WithoutLongPrefix(shortPath);
    return shortPath.size() < limit ? shortPath : std::wstring();
}

// Reads an open file from its current position, its start when just opened.
class HandleBytes : public ProgramBytes {
  public:
    explicit HandleBytes(HANDLE file) : m_file(file) {}
    std::size_t Read(void* buffer, std::size_t size) override {
        DWORD got = 0;
        DWORD wanted = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        if (!ReadFile(m_file, buffer, wanted, &got, nullptr)) return 0;
        return got;
    }

  private:
    HANDLE m_file;
};

// Opens the program file at `path` for reading, sharing reading only, as a
// regular file with one name and no link; 0, or the errno of why not.
int OpenProgramFile(const std::wstring& path, UniqueHandle& file) {
    file.Reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.IsValid()) {
        DWORD code = GetLastError();
        unsigned long attributes = 0;
        // A folder refuses a plain open with "access denied".
        bool folder = code == ERROR_ACCESS_DENIED && PathAttributes(path.c_str(), attributes) &&
                      IsFolder(attributes);
        return folder ? EISDIR : ErrnoFromSystemError(code);
    }
    return OpenFileKindError(file.Get(), true);
}

}  // namespace

ShellLaunch OpenWithShell(const std::wstring& target, const std::wstring& directory) {
    // The shell may hand the call to extensions that need COM on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result =
        ShellExecuteW(nullptr, L"open", target.c_str(), L"",
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
    return ShellLaunch{0, reinterpret_cast<std::intptr_t>(result)};
}

ShellLaunch StartProgramFile(const std::wstring& path, const std::wstring& directory,
                             const ProgramCheck* check) {
    UniqueHandle file;
    if (int error = OpenProgramFile(path, file)) return ShellLaunch{error, 0};
    if (check != nullptr) {
        HandleBytes bytes(file.Get());
        if (!(*check)(bytes)) return ShellLaunch{EBADMSG, 0};
    }
    std::wstring program = ShellPath(path, MAX_PATH);
    // A working directory keeps room for its closing backslash.
    std::wstring folder = ShellPath(directory, MAX_PATH - 1);
    if (program.empty() || (folder.empty() && !directory.empty())) {
        return ShellLaunch{ENAMETOOLONG, 0};
    }
    return OpenWithShell(program, folder);
}

ShellLaunch CheckProgramFile(const std::wstring& path, const ProgramCheck& check) {
    UniqueHandle file;
    if (int error = OpenProgramFile(path, file)) return ShellLaunch{error, 0};
    HandleBytes bytes(file.Get());
    return ShellLaunch{check(bytes) ? 0 : EBADMSG, 0};
}

}  // namespace os
