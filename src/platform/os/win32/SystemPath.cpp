#include "platform/os/win32/SystemPath.h"

#include <windows.h>

#include "platform/os/win32/WideText.h"

namespace os {
namespace {

// Below this length every file function takes a path as it is; a folder
// must leave room for an 8.3 name (248 = MAX_PATH - 12).
constexpr std::size_t kClassicLimit = MAX_PATH - 12;

bool IsDrivePath(const std::wstring& path) {
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}

bool IsNetworkPath(const std::wstring& path) {
    return path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' &&
           path[2] != L'.';
}

}  // namespace

std::wstring SystemPath(const std::string& nativePath) {
    std::wstring path = WideFromUtf8(nativePath);
    if (path.size() < kClassicLimit || path.find(L'/') != std::wstring::npos) return path;
    // The prefix turns off the path parsing that "/", "." and ".." need;
    // the wizard's own paths hold none of them.
    if (IsDrivePath(path)) return L"\\\\?\\" + path;
    if (IsNetworkPath(path)) return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

}  // namespace os
