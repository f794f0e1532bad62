#include "platform/ui/win32/FontCache.h"

#include "platform/os/win32/WideText.h"
#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

namespace {

constexpr int kClassicDpi = 96;
// Where a font cannot be measured: the classic dialog font's units.
constexpr BaseUnits kClassicUnits{6, 13};

HFONT Create(const FontKey& key, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = MulDiv(key.height, dpi, kClassicDpi);
    lf.lfWeight = key.weight;
    lf.lfItalic = key.italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::wstring face = os::WideFromUtf8(key.face);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

BaseUnits Measure(HDC dc, HFONT font) {
    if (font == nullptr) return kClassicUnits;
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    SIZE alphabet{};
    static const wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    bool measured =
        GetTextMetricsW(dc, &metrics) && GetTextExtentPoint32W(dc, kAlphabet, 52, &alphabet);
    SelectObject(dc, previous);
    if (!measured) return kClassicUnits;
    return BaseUnitsFromMetrics(alphabet.cx, metrics.tmHeight);
}

}  // namespace

FontCache::Entry& FontCache::Find(const FontKey& key) {
    for (Entry& entry : m_entries) {
        if (entry.key == key) return entry;
    }
    HDC dc = GetDC(nullptr);
    int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : kClassicDpi;
    HFONT font = Create(key, dpi > 0 ? dpi : kClassicDpi);
    BaseUnits units = dc != nullptr ? Measure(dc, font) : kClassicUnits;
    if (dc != nullptr) ReleaseDC(nullptr, dc);
    m_entries.push_back({key, OwnedFont(font), units});
    return m_entries.back();
}

HFONT FontCache::Get(const FontKey& key) {
    return Find(key).font.get();
}

BaseUnits FontCache::UnitsOf(const FontKey& key) {
    return Find(key).units;
}

}  // namespace ui::win32
