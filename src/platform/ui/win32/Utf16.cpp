#include "platform/ui/win32/Utf16.h"

#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

std::wstring Utf8ToUtf16(std::string_view text) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), wide);
    return result;
}

std::string Utf16ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int narrow = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), narrow, nullptr, nullptr);
    return result;
}

}  // namespace ui::win32
