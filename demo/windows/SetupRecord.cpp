#include "SetupRecord.h"

#include <windows.h>

#include <memory>
#include <string>

#include "WideText.h"
#include "platform/os/win32/WideText.h"

namespace demo {
namespace {

// Wine's own kernel32 exports that map between its drives and Unix paths;
// absent on Windows. Both results live on the process heap.
using UnixNameOf = char*(__cdecl*)(const wchar_t*);
using DosNameOf = wchar_t*(__cdecl*)(const char*);

struct HeapFreer {
    void operator()(void* block) const { HeapFree(GetProcessHeap(), 0, block); }
};

template <typename Function>
Function WineExport(const char* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, name)))
               : nullptr;
}

// The path as the record shows it: Unix form under Wine, else as it is.
std::string Shown(const std::wstring& path) {
    if (auto unixNameOf = WineExport<UnixNameOf>("wine_get_unix_file_name")) {
        std::unique_ptr<char, HeapFreer> name(unixNameOf(path.c_str()));
        if (name) return name.get();
    }
    return os::Utf8FromWide(path);
}

// A record path given in Unix form, as Wine passes the harness's variable on.
std::wstring Opened(const std::wstring& path) {
    if (!path.starts_with(L"/")) return path;
    auto dosNameOf = WineExport<DosNameOf>("wine_get_dos_file_name");
    if (!dosNameOf) return path;
    std::unique_ptr<wchar_t, HeapFreer> name(dosNameOf(os::Utf8FromWide(path).c_str()));
    return name ? std::wstring(name.get()) : path;
}

}  // namespace

void SetupRecord::RecordStart(unsigned long windowProcessId) {
    const std::wstring record = WideText::Read([](wchar_t* buffer, DWORD size) {
        return GetEnvironmentVariableW(L"VESSAMO_SETUP_RECORD", buffer, size);
    });
    if (record.empty()) return;
    const std::wstring self = WideText::Read(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
    const std::wstring folder = WideText::Read(
        [](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
    const std::string line = "ran " + Shown(self) + " in " + Shown(folder) + " as pid " +
                             std::to_string(windowProcessId) + "\n";
    HANDLE file =
        CreateFileW(Opened(record).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace demo
