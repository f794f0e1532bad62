#include "platform/ui/fltk/Fonts.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/ui/fltk/Density.h"
#include "platform/ui/fltk/DialogUnits.h"

namespace ui::fltk {

namespace {

constexpr const char* kClassicFamily = "MS Sans Serif";
constexpr const char* kFallbackFamily = "Liberation Sans";

// The classic face is a bitmap font; fontconfig's distribution rules reject
// bitmap fonts, and only a rule read before the font list is built can let
// one font through again.
constexpr char kAcceptClassicFace[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <selectfont>
    <acceptfont>
      <pattern><patelt name="family"><string>MS Sans Serif</string></patelt></pattern>
    </acceptfont>
  </selectfont>
</fontconfig>
)";

// Makes fontconfig's current configuration the system's plus the rule above.
void AcceptClassicFace() {
    FcConfig* config = FcInitLoadConfig();
    if (config == nullptr) return;
    if (!FcConfigParseAndLoadFromMemory(
            config, reinterpret_cast<const FcChar8*>(kAcceptClassicFace), FcFalse) ||
        !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return;
    }
    // The current configuration holds its own reference now.
    FcConfigDestroy(config);
}

// True when fontconfig lists a font of exactly this family (no substitutes).
bool HasFamily(const char* family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// The dialog font's character height at 96 DPI (8 points), which LOGFONT
// heights are given against.
constexpr int kDialogHeight = 11;

// The dialog font's character height at the desktop's density: 8 points.
int DialogHeight() {
    return (8 * Density::Dpi() + 36) / 72;
}

// The largest pixel size, up to the dialog height, at which the average
// width of the 52 letters (as the base unit is defined) fits the base unit.
int FittingSize(Fl_Font face) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int size = DialogHeight();
    for (; size > Density::Scale(8); --size) {
        fl_font(face, size);
        if (fl_width(kLetters) / 52.0 <= BaseUnitX()) break;
    }
    return size;
}

struct Registry {
    bool classic = false;
    int sizeOffset = 0;  // added to every outline height
    // FLTK keeps the name pointers: they live here for the whole run. The
    // first character is FLTK's style prefix (' ', 'B', 'I', 'P').
    std::string names[4];
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void Fonts::Initialise() {
    Registry& registry = TheRegistry();
    AcceptClassicFace();
    // The classic face is a bitmap font drawn at the classic density only.
    registry.classic = Density::Dpi() == Density::kClassicDpi && HasFamily(kClassicFamily);
    std::string family = registry.classic ? kClassicFamily : kFallbackFamily;
    const char prefixes[4] = {' ', 'B', 'I', 'P'};
    for (int style = 0; style < 4; ++style) {
        registry.names[style] = prefixes[style] + family;
        Fl::set_font(static_cast<Fl_Font>(FL_FREE_FONT + style), registry.names[style].c_str());
    }
    // The classic face's strikes define the base units themselves.
    registry.sizeOffset = registry.classic ? 0 : FittingSize(FL_FREE_FONT) - DialogHeight();
}

FontChoice Fonts::For(const LOGFONT& lf) {
    const Registry& registry = TheRegistry();
    int style = (lf.lfWeight >= 600 ? 1 : 0) + (lf.lfItalic ? 2 : 0);
    // A negative height is the character height; a positive one the cell
    // height, which includes the internal leading (2 px of 13 in the dialog
    // font). Xft sizes outline fonts by character height, while the bitmap
    // face's strikes are named by their cell height. At a higher density an
    // outline height keeps its distance to the dialog font's, scaled.
    int height = lf.lfHeight == 0 ? kDialogHeight : std::abs(static_cast<int>(lf.lfHeight));
    bool isCellHeight = lf.lfHeight > 0;
    int size = height;
    if (registry.classic && !isCellHeight) size = (height * 13 + 5) / 11;
    if (!registry.classic && isCellHeight) size = (height * 11 + 6) / 13;
    if (registry.classic) return {FL_FREE_FONT + style, size};
    size = DialogHeight() + Density::Scale(size - kDialogHeight);
    return {FL_FREE_FONT + style, std::max(1, size + registry.sizeOffset)};
}

}  // namespace ui::fltk
