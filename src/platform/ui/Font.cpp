#include "platform/ui/Font.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace {

struct FontEntry {
    LOGFONT description;
    std::unique_ptr<CFont> wrapper;  // the non-owning CFont of FromHandle
};

struct FontTable {
    std::mutex mutex;
    std::map<HFONT, FontEntry> fonts;
    std::uintptr_t lastValue = 0x20000;
};

FontTable& Fonts() {
    static FontTable table;
    return table;
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONT* lf) {
    if (lf == nullptr) return nullptr;
    FontTable& table = Fonts();
    std::lock_guard lock(table.mutex);
    table.lastValue += 4;
    HFONT hFont = reinterpret_cast<HFONT>(table.lastValue);
    FontEntry entry{*lf, nullptr};
    entry.description.lfFaceName[LF_FACESIZE - 1] = '\0';
    table.fonts.emplace(hFont, std::move(entry));
    return hFont;
}

BOOL GetFontDescription(HFONT hFont, LOGFONT* lf) {
    if (hFont == nullptr || lf == nullptr) return FALSE;
    FontTable& table = Fonts();
    std::lock_guard lock(table.mutex);
    auto it = table.fonts.find(hFont);
    if (it == table.fonts.end()) return FALSE;
    *lf = it->second.description;
    return TRUE;
}

BOOL DeleteFont(HFONT hFont) {
    std::unique_ptr<CFont> wrapper;  // destroyed after the lock is released
    FontTable& table = Fonts();
    std::lock_guard lock(table.mutex);
    auto it = table.fonts.find(hFont);
    if (it == table.fonts.end()) return FALSE;
    wrapper = std::move(it->second.wrapper);
    table.fonts.erase(it);
    return TRUE;
}

LONG PointSizeToHeight(int pointSize) {
    return -((pointSize * 96 + 36) / 72);
}

CFont::~CFont() {
    DeleteObject();
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lf) {
    if (m_hFont != nullptr) return FALSE;
    return Attach(::CreateFontIndirect(lf));
}

BOOL CFont::Attach(HFONT hFont) {
    LOGFONT unused;
    if (m_hFont != nullptr || !GetFontDescription(hFont, &unused)) return FALSE;
    m_hFont = hFont;
    m_owns = true;
    return TRUE;
}

HFONT CFont::Detach() {
    HFONT hFont = m_hFont;
    m_hFont = nullptr;
    return hFont;
}

BOOL CFont::DeleteObject() {
    if (m_hFont == nullptr) return FALSE;
    HFONT hFont = Detach();
    if (m_owns) DeleteFont(hFont);
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* lf) const {
    return GetFontDescription(m_hFont, lf) ? static_cast<int>(sizeof(LOGFONT)) : 0;
}

CFont* CFont::FromHandle(HFONT hFont) {
    FontTable& table = Fonts();
    std::lock_guard lock(table.mutex);
    auto it = table.fonts.find(hFont);
    if (it == table.fonts.end()) return nullptr;
    if (!it->second.wrapper) {
        it->second.wrapper = std::make_unique<CFont>();
        it->second.wrapper->m_hFont = hFont;
        it->second.wrapper->m_owns = false;
    }
    return it->second.wrapper.get();
}
