// The model's bitmaps in the pixel layout of a Windows 32-bit DIB: blue,
// green, red, alpha, rows top to bottom. Pictures are opaque on the dialog
// face, so transparent pixels are blended onto it; icons keep their alpha.
// A size other than the bitmap's averages the source pixels each target
// pixel covers, so a 32 x 32 icon makes a clean 16 x 16 one.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ui/ResourceRegistry.h"

namespace ui::win32 {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// `bitmap` scaled to `width` x `height` as BGRA; with `background`, every
// pixel is blended onto it and made opaque. Empty for an empty or malformed
// bitmap or a size below 1.
std::vector<std::uint8_t> BgraPixels(const Bitmap& bitmap, int width, int height,
                                     std::optional<Rgb> background);

}  // namespace ui::win32
