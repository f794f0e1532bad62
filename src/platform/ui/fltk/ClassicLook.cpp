#include "platform/ui/fltk/ClassicLook.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/ui/fltk/Density.h"
#include "platform/ui/fltk/Fonts.h"

namespace ui::fltk {

Fl_Color Colour(classic::Rgb rgb) {
    return fl_rgb_color(rgb.r, rgb.g, rgb.b);
}

namespace {

void SetFont(const LOGFONT& lf) {
    FontChoice font = Fonts::For(lf);
    fl_font(font.face, font.size);
}

// Draws one line of `text` with its baseline at `baseline`, underlining the
// byte at `underline` (an offset into the line, npos for none).
void DrawLine(std::string_view text, std::size_t underline, int x, int baseline) {
    fl_draw(text.data(), static_cast<int>(text.size()), x, baseline);
    if (underline >= text.size()) return;
    int start = x + static_cast<int>(fl_width(text.data(), static_cast<int>(underline)));
    int width = static_cast<int>(fl_width(text.data() + underline, 1));
    int line = Density::Line();
    fl_rectf(start, baseline + line, std::max(width, 2), line);
}

}  // namespace

Fl_Boxtype SunkenFieldBox() {
    constexpr auto kBox = static_cast<Fl_Boxtype>(FL_FREE_BOXTYPE);
    // Registered again each time: the edge is as wide as the density's lines.
    int edge = 2 * Density::Line();
    Fl::set_boxtype(kBox, DrawSunkenField, edge, edge, 2 * edge, 2 * edge);
    return kBox;
}

void DrawFrame(int x, int y, int w, int h, Fl_Color topLeft, Fl_Color bottomRight) {
    if (w <= 0 || h <= 0) return;
    int line = Density::Line();
    fl_color(topLeft);
    fl_rectf(x, y, w - line, line);
    fl_rectf(x, y, line, h - line);
    fl_color(bottomRight);
    fl_rectf(x, y + h - line, w, line);
    fl_rectf(x + w - line, y, line, h);
}

void DrawRaisedEdge(int x, int y, int w, int h) {
    int line = Density::Line();
    DrawFrame(x, y, w, h, Colour(classic::kHighlight), Colour(classic::kDarkShadow));
    DrawFrame(x + line, y + line, w - 2 * line, h - 2 * line, Colour(classic::kFace),
              Colour(classic::kShadow));
}

void DrawSunkenEdge(int x, int y, int w, int h) {
    int line = Density::Line();
    DrawFrame(x, y, w, h, Colour(classic::kShadow), Colour(classic::kHighlight));
    DrawFrame(x + line, y + line, w - 2 * line, h - 2 * line, Colour(classic::kDarkShadow),
              Colour(classic::kFace));
}

void DrawSunkenField(int x, int y, int w, int h, Fl_Color colour) {
    DrawSunkenEdge(x, y, w, h);
    int edge = 2 * Density::Line();
    fl_color(colour);
    fl_rectf(x + edge, y + edge, w - 2 * edge, h - 2 * edge);
}

void DrawEtchedLine(int x, int y, int w) {
    int line = Density::Line();
    fl_color(Colour(classic::kShadow));
    fl_rectf(x, y, w, line);
    fl_color(Colour(classic::kHighlight));
    fl_rectf(x, y + line, w, line);
}

void DrawFocusRect(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    int dot = Density::Line();
    fl_color(Colour(classic::kText));
    // Every other dot, as the classic focus rectangle.
    for (int i = 0; i < w; i += 2 * dot) {
        fl_rectf(x + i, y, dot, dot);
        fl_rectf(x + w - dot - i, y + h - dot, dot, dot);
    }
    for (int i = 0; i < h; i += 2 * dot) {
        fl_rectf(x, y + h - dot - i, dot, dot);
        fl_rectf(x + w - dot, y + i, dot, dot);
    }
}

ControlTextLayout LayoutControlText(std::string_view label, const LOGFONT& lf, int width,
                                    bool wrap) {
    ControlTextLayout layout;
    layout.shown = ParseMnemonic(label);
    SetFont(lf);
    if (wrap) {
        layout.lines = WrapText(layout.shown.text, width, TextWidth);
    } else {
        layout.lines.push_back({0, layout.shown.text.size()});
    }
    layout.lineHeight = fl_height();
    return layout;
}

double TextWidth(std::string_view run) {
    return fl_width(run.data(), static_cast<int>(run.size()));
}

DrawnText DrawControlText(std::string_view label, const LOGFONT& lf, int x, int y, int w, int h,
                          TextAlign align, bool wrap, bool enabled) {
    ControlTextLayout layout = LayoutControlText(label, lf, w, wrap);
    const LabelText& parsed = layout.shown;
    int lineHeight = layout.lineHeight;
    int top = wrap ? y : y + (h - lineHeight) / 2;
    int widest = 0;
    fl_push_clip(x, y, w, h);
    for (int pass = enabled ? 1 : 0; pass < 2; ++pass) {
        int offset = pass == 0 ? Density::Line() : 0;
        fl_color(enabled     ? Colour(classic::kText)
                 : pass == 0 ? Colour(classic::kHighlight)
                             : Colour(classic::kShadow));
        int baseline = top + lineHeight - fl_descent();
        for (const TextLine& line : layout.lines) {
            std::string_view text(parsed.text.data() + line.begin, line.length);
            int width = static_cast<int>(TextWidth(text));
            widest = std::max(widest, width);
            int left = align == TextAlign::Center ? x + (w - width) / 2 : x;
            std::size_t underline =
                parsed.underline >= line.begin && parsed.underline < line.begin + line.length
                    ? parsed.underline - line.begin
                    : std::string::npos;
            DrawLine(text, underline, left + offset, baseline + offset);
            baseline += lineHeight;
        }
    }
    fl_pop_clip();
    return {widest, lineHeight};
}

}  // namespace ui::fltk
