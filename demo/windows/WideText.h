// The Windows API's UTF-16 texts, as the demonstration installer reads
// them; their conversion to and from UTF-8 is the wizard's own
// (platform/os/win32/WideText.h).
#pragma once

#include <windows.h>

#include <string>

namespace demo {

class WideText {
  public:
    // Calls `fill(buffer, size)`, which answers as a Windows API does (the
    // length written, a length of `size` or more when the buffer is too small,
    // 0 on failure), with a buffer that grows until the text fits; "" on
    // failure.
    template <typename Fill>
    static std::wstring Read(Fill fill) {
        std::wstring text(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length = fill(text.data(), static_cast<DWORD>(text.size()));
            if (length == 0) return L"";
            if (length < text.size()) return text.substr(0, length);
            text.resize(text.size() * 2);
        }
    }
};

}  // namespace demo
