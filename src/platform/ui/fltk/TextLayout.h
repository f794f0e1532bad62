// How a control's text is laid out, independent of the toolkit: the '&'
// mnemonic marks, and word wrapping inside a width as static texts wrap.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::fltk {

// A label as shown: '&' marks removed ("&&" is one literal '&'), and the
// byte offset of the character the last mark underlines (npos: none).
struct LabelText {
    std::string text;
    std::size_t underline = std::string::npos;
};
LabelText ParseMnemonic(std::string_view label);

// One line of wrapped text: a range of bytes of the laid-out string.
struct TextLine {
    std::size_t begin;
    std::size_t length;
};

// The pixel width of a run of text in the current font.
using MeasureText = std::function<double(std::string_view)>;

// Breaks `text` into lines that fit `width` pixels: at spaces where
// possible, inside a word only when the word alone is wider than the line,
// and always at '\n' ("\r\n" counts as one break). The spaces at a wrap
// are dropped; spaces inside a line are kept as written.
std::vector<TextLine> WrapText(std::string_view text, int width, const MeasureText& measure);

}  // namespace ui::fltk
