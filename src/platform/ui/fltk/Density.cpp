#include "platform/ui/fltk/Density.h"

#include <FL/x.H>
#include <X11/Xresource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ui::fltk {

namespace {

// Fonts below the classic size are unreadable, and a density beyond five
// times it would make the window larger than any screen: values outside
// are taken as the nearest end.
constexpr int kHighestDpi = 480;

int& CurrentDpi() {
    static int dpi = Density::kClassicDpi;
    return dpi;
}

// The Xft.dpi string of the display's resource database; "" when none.
std::string XftDpiResource(Display* display) {
    const char* resources = display != nullptr ? XResourceManagerString(display) : nullptr;
    if (resources == nullptr) return "";
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (database == nullptr) return "";
    char* type = nullptr;
    XrmValue value{};
    std::string found;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
        found.assign(value.addr, strnlen(value.addr, value.size));
    }
    XrmDestroyDatabase(database);
    return found;
}

}  // namespace

void Density::Read() {
    CurrentDpi() = FromResource(XftDpiResource(fl_display).c_str());
}

int Density::Dpi() {
    return CurrentDpi();
}

int Density::Scale(int pixels) {
    long long product = static_cast<long long>(pixels) * Dpi();
    long long half = kClassicDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kClassicDpi
                                         : (product - half) / kClassicDpi);
}

int Density::Line() {
    // Rounded down from a quarter above: 1.75 times the classic density
    // is the first to draw two-pixel lines.
    return std::max(1, (Dpi() + kClassicDpi / 4) / kClassicDpi);
}

int Density::FromResource(const char* value) {
    if (value == nullptr) return kClassicDpi;
    char* end = nullptr;
    double dpi = std::strtod(value, &end);
    while (end != value && *end == ' ') ++end;
    if (end == value || *end != '\0' || !std::isfinite(dpi) || dpi <= 0) return kClassicDpi;
    return static_cast<int>(std::lround(std::clamp(dpi, double{kClassicDpi}, double{kHighestDpi})));
}

}  // namespace ui::fltk
