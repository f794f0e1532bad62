#include "platform/ui/fltk/TextLayout.h"

namespace ui::fltk {

LabelText ParseMnemonic(std::string_view label) {
    LabelText result;
    result.text.reserve(label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i;
            if (label[i] != '&') result.underline = result.text.size();
        }
        result.text += label[i];
    }
    return result;
}

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// Lays out one paragraph (no line breaks inside) starting at `offset`.
void WrapParagraph(std::string_view text, std::size_t offset, std::size_t end, int width,
                   const MeasureText& measure, std::vector<TextLine>& lines) {
    std::size_t lineStart = offset;
    while (true) {
        if (measure(text.substr(lineStart, end - lineStart)) <= width) {
            lines.push_back({lineStart, end - lineStart});
            return;
        }
        // The longest run of whole words that fits, ending before a blank.
        std::size_t lastFit = std::string_view::npos;
        for (std::size_t i = lineStart + 1; i < end; ++i) {
            if (IsBlank(text[i]) && !IsBlank(text[i - 1])) {
                if (measure(text.substr(lineStart, i - lineStart)) > width) break;
                lastFit = i;
            }
        }
        std::size_t lineEnd = lastFit;
        if (lineEnd == std::string_view::npos) {
            // One word wider than the line: break it where it stops fitting,
            // but always take at least one character so the loop advances.
            lineEnd = lineStart + 1;
            while (lineEnd < end && !IsBlank(text[lineEnd]) &&
                   measure(text.substr(lineStart, lineEnd + 1 - lineStart)) <= width) {
                ++lineEnd;
            }
        }
        lines.push_back({lineStart, lineEnd - lineStart});
        lineStart = lineEnd;
        while (lineStart < end && IsBlank(text[lineStart])) ++lineStart;
        if (lineStart == end) return;
    }
}

}  // namespace

std::vector<TextLine> WrapText(std::string_view text, int width, const MeasureText& measure) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t newline = text.find('\n', start);
        std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::size_t paragraphEnd = end > start && text[end - 1] == '\r' ? end - 1 : end;
        WrapParagraph(text, start, paragraphEnd, width, measure, lines);
        if (newline == std::string_view::npos) return lines;
        start = newline + 1;
    }
}

}  // namespace ui::fltk
