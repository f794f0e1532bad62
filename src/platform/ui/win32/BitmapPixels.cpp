#include "platform/ui/win32/BitmapPixels.h"

#include <array>

namespace ui::win32 {

namespace {

bool IsUsable(const Bitmap& bitmap) {
    return bitmap.pixels != nullptr && bitmap.width > 0 && bitmap.height > 0 &&
           (bitmap.depth == 3 || bitmap.depth == 4);
}

// The source span [first, last) that target index `index` of `target` covers.
struct Span {
    int first;
    int last;
};
Span Covered(int index, int target, int source) {
    int first = index * source / target;
    int last = (index + 1) * source / target;
    return {first, last > first ? last : first + 1};
}

// The average RGBA of the source pixels under one target pixel.
std::array<unsigned, 4> Average(const Bitmap& bitmap, Span columns, Span rows) {
    std::array<unsigned, 4> sum{};
    for (int y = rows.first; y < rows.last; ++y) {
        for (int x = columns.first; x < columns.last; ++x) {
            const unsigned char* pixel =
                bitmap.pixels + (static_cast<std::size_t>(y) * bitmap.width + x) * bitmap.depth;
            for (int c = 0; c < 3; ++c) sum[c] += pixel[c];
            sum[3] += bitmap.depth == 4 ? pixel[3] : 255u;
        }
    }
    unsigned count =
        static_cast<unsigned>((rows.last - rows.first) * (columns.last - columns.first));
    for (unsigned& channel : sum) channel = (channel + count / 2) / count;
    return sum;
}

std::uint8_t Blend(unsigned value, unsigned alpha, std::uint8_t under) {
    return static_cast<std::uint8_t>((value * alpha + under * (255u - alpha) + 127u) / 255u);
}

}  // namespace

std::vector<std::uint8_t> BgraPixels(const Bitmap& bitmap, int width, int height,
                                     std::optional<Rgb> background) {
    if (!IsUsable(bitmap) || width < 1 || height < 1) return {};
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        Span rows = Covered(y, height, bitmap.height);
        for (int x = 0; x < width; ++x) {
            std::array<unsigned, 4> rgba = Average(bitmap, Covered(x, width, bitmap.width), rows);
            if (background) {
                out.push_back(Blend(rgba[2], rgba[3], background->blue));
                out.push_back(Blend(rgba[1], rgba[3], background->green));
                out.push_back(Blend(rgba[0], rgba[3], background->red));
                out.push_back(255);
            } else {
                for (int c : {2, 1, 0, 3}) out.push_back(static_cast<std::uint8_t>(rgba[c]));
            }
        }
    }
    return out;
}

}  // namespace ui::win32
