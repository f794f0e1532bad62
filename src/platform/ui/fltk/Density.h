// The desktop's font density and the lengths that follow from it. Desktops
// that scale their interface publish the density of their fonts to X
// clients as the Xft.dpi resource (192 at twice the classic density);
// toolkits size their fonts by it, and so does the wizard: its dialog font
// is 8 points at that density, and the dialog units, every control, the
// frame lines and the pictures grow with it. Without the resource the
// density is the classic 96 dots per inch, at which every length is the
// classic one.
#pragma once

namespace ui::fltk {

class Density {
  public:
    static constexpr int kClassicDpi = 96;

    // Reads Xft.dpi from the open display's resource database (96 when it
    // is absent or unusable); call on the UI thread once the display is
    // open, before anything is laid out.
    static void Read();
    // The density read by Read(), in dots per inch; 96 before it.
    static int Dpi();
    // A length of `pixels` at 96 dots per inch at the current density,
    // rounded half away from zero.
    static int Scale(int pixels);
    // The width of frame lines, focus dots and glyph pixels: whole pixels,
    // 1 up to 1.75 times the classic density, then growing with it.
    static int Line();
    // The density an Xft.dpi value asks for: a number, rounded and kept
    // within 96 to 480; 96 for anything else (empty, not a number).
    static int FromResource(const char* value);
};

}  // namespace ui::fltk
