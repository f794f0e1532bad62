#include "SetupCopy.h"

#include <windows.h>

#include <string>

#include "WideText.h"
#include "platform/os/win32/WideText.h"

namespace demo {
namespace {

constexpr wchar_t kCopyPrefix[] = L"vessamo-demo-setup-";
constexpr DWORD kWindowWaitMs = 10000;

// Copies left by earlier runs; a copy that still runs cannot be deleted and
// stays for a later run.
void RemoveEarlierCopies(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + kCopyPrefix + L"*.exe").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

unsigned long SetupCopy::Start() {
    const std::wstring folder =
        WideText::Read([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
    const std::wstring self = WideText::Read(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
    if (folder.empty() || self.empty()) return 0;
    RemoveEarlierCopies(folder);
    // Process ids come again; with the time the name is new even then.
    const std::wstring copy = folder + kCopyPrefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64()) + L".exe";
    if (!CopyFileW(self.c_str(), copy.c_str(), FALSE)) return 0;
    std::wstring commandLine = L"\"" + copy + L"\" " + os::WideFromUtf8(kShowArgument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started)) {
        DeleteFileW(copy.c_str());
        return 0;
    }
    // Until its window is up, so that the record says the window shows.
    WaitForInputIdle(started.hProcess, kWindowWaitMs);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return started.dwProcessId;
}

}  // namespace demo
