// The GDI fonts the controls draw with, one per distinct description, made
// on first use and owned (deleted) by the cache. It also measures a font's
// dialog base units, from which templates are laid out.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/win32/DialogUnits.h"
#include "platform/ui/win32/GdiObjects.h"

namespace ui::win32 {

// A font as the model describes it: a negative height is the character
// height in pixels at 96 dots per inch, a positive one the cell height.
struct FontKey {
    int height = 0;
    int weight = 400;
    bool italic = false;
    std::string face;

    bool operator==(const FontKey&) const = default;
};

class FontCache {
  public:
    // The font for `key`, scaled to the screen's density; nullptr when GDI
    // has none (controls then keep the system font).
    HFONT Get(const FontKey& key);
    // The dialog base units of the font for `key`, measured on the screen.
    BaseUnits UnitsOf(const FontKey& key);

  private:
    struct Entry {
        FontKey key;
        OwnedFont font;
        BaseUnits units;
    };
    Entry& Find(const FontKey& key);

    std::vector<Entry> m_entries;
};

}  // namespace ui::win32
