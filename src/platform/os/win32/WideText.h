// Text conversion at the boundary of the Windows wide-character functions.
// The program's own strings (paths, names, texts) are UTF-8 on every
// platform; Windows takes and gives UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace os {

// `text` (UTF-8) as UTF-16; a byte that is no valid UTF-8 becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view text);

// `text` (UTF-16) as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace os
