// Texts between the model and the wide-character Windows functions. The
// model's texts are UTF-8; the W functions take UTF-16. Bytes that are not
// UTF-8 become U+FFFD rather than being dropped, so nothing silently
// shortens a text.
#pragma once

#include <string>
#include <string_view>

namespace ui::win32 {

// `text` (UTF-8) as UTF-16.
std::wstring Utf8ToUtf16(std::string_view text);
// `text` (UTF-16) as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::wstring_view text);

}  // namespace ui::win32
