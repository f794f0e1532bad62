#include "platform/os/ExecutablePath.h"

#include <windows.h>

#include "platform/os/win32/WideText.h"

namespace os {

std::string QueryExecutablePath() {
    // Paths reach 32767 characters; the query cuts a longer one and says so
    // only by filling the buffer, so the buffer grows until it does not.
    constexpr DWORD kLongestPath = 32768;
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) return "";
        if (length < size) return Utf8FromWide(std::wstring_view(buffer.data(), length));
        if (size >= kLongestPath) return "";
        buffer.resize(size * 2);
    }
}

}  // namespace os
