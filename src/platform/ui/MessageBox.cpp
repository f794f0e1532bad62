#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <string_view>

namespace ui {
namespace {

constexpr int kMargin = 7;
constexpr int kMinTextWidth = 160;  // keeps the caption readable in the title bar
constexpr int kMaxTextWidth = 230;
constexpr int kLineHeight = 8;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

// A generous width of one character of the dialog font, in dialog units:
// at least its width in the fonts the renderers use, so that a line laid
// out here is never too short on screen.
int CharUnits(char ch) {
    if (std::string_view(" ilj.,:;'!|ftI()[]-").find(ch) != std::string_view::npos) return 2;
    if (ch == 'm' || ch == 'w') return 6;
    if (ch == 'M' || ch == 'W') return 7;
    if (ch >= 'A' && ch <= 'Z') return 5;
    return 4;
}

int TextUnits(std::string_view text) {
    int units = 0;
    for (char ch : text) units += CharUnits(ch);
    return units;
}

struct TextBlock {
    int width = 0;  // of the widest line
    int lines = 0;
};

// Wraps `paragraph` at spaces into lines of at most kMaxTextWidth, as a
// static text wraps; a word wider than that takes a line of its own and
// is broken there by the renderer, which the extra line allows for.
void WrapParagraph(std::string_view paragraph, TextBlock& block) {
    int line = 0;
    int lines = 1;
    std::size_t at = 0;
    while (at <= paragraph.size()) {
        std::size_t end = std::min(paragraph.find(' ', at), paragraph.size());
        int word = TextUnits(paragraph.substr(at, end - at));
        int joined = line == 0 ? word : line + CharUnits(' ') + word;
        if (line > 0 && joined > kMaxTextWidth) {
            ++lines;
            joined = word;
        }
        if (word > kMaxTextWidth) lines += word / kMaxTextWidth;
        line = joined;
        block.width = std::max(block.width, std::min(line, kMaxTextWidth));
        at = end + 1;
    }
    block.lines += lines;
}

TextBlock LayOut(std::string_view text) {
    TextBlock block;
    std::size_t at = 0;
    for (;;) {
        std::size_t end = text.find('\n', at);
        std::string_view paragraph = text.substr(at, end - at);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        WrapParagraph(paragraph, block);
        if (end == std::string_view::npos) return block;
        at = end + 1;
    }
}

}  // namespace

CMessageBox::CMessageBox(const CString& text, const CString& caption, UINT /*type*/, CWnd* pParent)
    : CDialog(IDD_MESSAGE_BOX, pParent), m_text(text.str()), m_caption(caption.str()) {
    m_pTemplate = &m_template;
    TextBlock block = LayOut(m_text);
    int textWidth = std::max(block.width, kMinTextWidth);
    int textHeight = block.lines * kLineHeight;
    int width = textWidth + 2 * kMargin;
    int buttonTop = kMargin + textHeight + kMargin;
    m_controls = {{
        {IDC_MESSAGE_BOX_TEXT, ControlKind::Static, m_text.c_str(),
         DialogRect{kMargin, kMargin, textWidth, textHeight}, WS_GROUP},
        {IDOK, ControlKind::PushButton, "OK",
         DialogRect{(width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight},
         WS_TABSTOP | BS_DEFPUSHBUTTON},
    }};
    m_template = DialogTemplate{IDD_MESSAGE_BOX,
                                m_caption.c_str(),
                                width,
                                buttonTop + kButtonHeight + kMargin,
                                "MS Sans Serif",
                                8,
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                m_controls};
}

void CMessageBox::OnCancel() {
    EndDialog(IDOK);
}

int ShowMessageBox(const CString& text, const CString& caption, UINT type, CWnd* pParent) {
    CMessageBox box(text, caption, type, pParent);
    return box.DoModal();
}

}  // namespace ui
