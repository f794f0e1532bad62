// The GDI fonts the controls draw with, one per distinct description, made
// on first use and deleted with the cache. It also measures a font's
// dialog base units, from which templates are laid out.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/win32/DialogUnits.h"

using HFONT = struct HFONT__*;

namespace ui::win32 {

// A font as the model describes it: a negative height is the character
// height in pixels at 96 dots per inch, a positive one the cell height.
struct FontSpec {
    int height = 0;
    int weight = 400;
    bool italic = false;
    std::string face;

    bool operator==(const FontSpec&) const = default;
};

class FontCache {
  public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    // The font for `spec`, scaled to the screen's density; nullptr when GDI
    // has none (controls then keep the system font).
    HFONT Get(const FontSpec& spec);
    // The dialog base units of the font for `spec`, measured on the screen.
    BaseUnits UnitsOf(const FontSpec& spec);

  private:
    struct Entry {
        FontSpec spec;
        HFONT font;
        BaseUnits units;
    };
    Entry& Find(const FontSpec& spec);

    std::vector<Entry> m_entries;
};

}  // namespace ui::win32
