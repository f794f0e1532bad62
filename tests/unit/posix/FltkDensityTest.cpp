// How the renderer takes the desktop's font density from the Xft.dpi
// resource: the values desktops publish, and values it must not trust.
#include <gtest/gtest.h>

#include "platform/ui/fltk/Density.h"

namespace {

using ui::fltk::Density;

TEST(FltkDensity, FromXftDpiResource) {
    struct Case {
        const char* value;
        int dpi;
    };
    const Case cases[] = {
        {"96", 96},    {"192", 192}, {"144", 144}, {"120.5", 121},  {" 192 ", 192}, {"288.0", 288},
        {"72", 96},    {"0", 96},    {"-192", 96}, {"100000", 480}, {"", 96},       {"dpi", 96},
        {"192px", 96}, {"nan", 96},  {"inf", 96},  {nullptr, 96},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Density::FromResource(c.value), c.dpi) << (c.value ? c.value : "(none)");
    }
}

}  // namespace
