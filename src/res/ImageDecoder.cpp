// Both formats share the device-independent bitmap layout: a 40-byte info
// header, a palette of 4-byte B, G, R, 0 entries for up to 8 bits per pixel,
// then rows padded to 4 bytes, the bottom row first unless the height is
// negative. An icon stores its colour image with twice its height (colour
// rows and mask rows) and the 1-bit mask right after the colour rows.
#include "res/ImageDecoder.h"

#include <cstdint>

namespace res {
namespace {

// Larger pictures than this are not resources of ours; refusing them keeps
// every size computation far from overflow.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U16(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

std::uint32_t U32(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::int32_t I32(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

// Bytes of one stored row: bits rounded up to whole 32-bit words.
std::size_t RowBytes(std::int64_t width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// The palette index or packed colour of pixel x in a stored row.
unsigned SampleIndex(const unsigned char* row, int x, int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return (row[x / 8] >> (7 - x % 8)) & 1;
        case 4:
            return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF;
        default:
            return row[x];
    }
}

struct DibLayout {
    int width = 0;
    int height = 0;  // rows of the colour image
    bool bottomUp = true;
    int bitsPerPixel = 0;
    std::span<const unsigned char> palette;  // 4 bytes per entry
    std::span<const unsigned char> rows;     // colour rows, then the mask for icons
};

// Reads the info header and palette of a device-independent bitmap that
// starts at `dib`; `heightFactor` is 2 for icons, whose height counts the mask.
std::optional<DibLayout> ReadDibHeader(std::span<const unsigned char> dib, int heightFactor) {
    if (dib.size() < kInfoHeaderSize) return std::nullopt;
    const std::uint32_t headerSize = U32(dib, 0);
    if (headerSize < kInfoHeaderSize || headerSize > dib.size()) return std::nullopt;
    const std::int64_t width = I32(dib, 4);
    std::int64_t height = I32(dib, 8);
    const std::uint32_t planes = U16(dib, 12);
    const int bits = static_cast<int>(U16(dib, 14));
    const std::uint32_t compression = U32(dib, 16);
    std::uint32_t colorsUsed = U32(dib, 32);
    if (planes != 1 || compression != 0) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return std::nullopt;

    DibLayout layout;
    layout.bottomUp = height > 0;
    if (height < 0) height = -height;
    if (heightFactor == 2) {
        // Icons are always bottom-up; their stored height includes the mask.
        if (!layout.bottomUp || height % 2 != 0) return std::nullopt;
        height /= 2;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.bitsPerPixel = bits;

    std::size_t paletteEntries = 0;
    if (bits <= 8) {
        const std::uint32_t maxColors = 1u << bits;
        if (colorsUsed == 0) colorsUsed = maxColors;
        if (colorsUsed > maxColors) return std::nullopt;
        paletteEntries = colorsUsed;
    }
    const std::size_t paletteBytes = paletteEntries * 4;
    if (dib.size() - headerSize < paletteBytes) return std::nullopt;
    layout.palette = dib.subspan(headerSize, paletteBytes);
    layout.rows = dib.subspan(headerSize + paletteBytes);
    return layout;
}

// Converts the colour rows into top-to-bottom samples of `depth` 3 or 4
// (alpha opaque); false when the rows are short or an index has no colour.
bool DecodeColourRows(const DibLayout& dib, int depth, DecodedImage& image) {
    const std::size_t rowBytes = RowBytes(dib.width, dib.bitsPerPixel);
    if (dib.rows.size() / rowBytes < static_cast<std::size_t>(dib.height)) return false;
    const std::size_t paletteEntries = dib.palette.size() / 4;
    image.width = dib.width;
    image.height = dib.height;
    image.depth = depth;
    image.pixels.assign(static_cast<std::size_t>(dib.width) * dib.height * depth, 255);
    for (int y = 0; y < dib.height; ++y) {
        const int stored = dib.bottomUp ? dib.height - 1 - y : y;
        const unsigned char* row = dib.rows.data() + static_cast<std::size_t>(stored) * rowBytes;
        unsigned char* out = image.pixels.data() + static_cast<std::size_t>(y) * dib.width * depth;
        for (int x = 0; x < dib.width; ++x, out += depth) {
            const unsigned char* bgr = nullptr;
            if (dib.bitsPerPixel == 24) {
                bgr = row + static_cast<std::size_t>(x) * 3;
            } else {
                const unsigned index = SampleIndex(row, x, dib.bitsPerPixel);
                if (index >= paletteEntries) return false;
                bgr = dib.palette.data() + static_cast<std::size_t>(index) * 4;
            }
            out[0] = bgr[2];
            out[1] = bgr[1];
            out[2] = bgr[0];
        }
    }
    return true;
}

// Applies an icon's 1-bit mask, stored bottom-up after the colour rows:
// a set bit makes the pixel transparent.
bool ApplyMask(const DibLayout& dib, DecodedImage& image) {
    const std::size_t colourBytes = RowBytes(dib.width, dib.bitsPerPixel) * dib.height;
    const std::size_t maskRowBytes = RowBytes(dib.width, 1);
    const std::span<const unsigned char> mask = dib.rows.subspan(colourBytes);
    if (mask.size() / maskRowBytes < static_cast<std::size_t>(dib.height)) return false;
    for (int y = 0; y < dib.height; ++y) {
        const unsigned char* row =
            mask.data() + static_cast<std::size_t>(dib.height - 1 - y) * maskRowBytes;
        for (int x = 0; x < dib.width; ++x) {
            if (SampleIndex(row, x, 1) != 0) {
                image.pixels[(static_cast<std::size_t>(y) * dib.width + x) * 4 + 3] = 0;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<DecodedImage> DecodeBmp(std::span<const unsigned char> file) {
    constexpr std::size_t kFileHeaderSize = 14;
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint32_t pixelOffset = U32(file, 10);
    const auto dib = ReadDibHeader(file.subspan(kFileHeaderSize), 1);
    if (!dib) return std::nullopt;
    // The rows start where the file header says, which may lie past the palette.
    const std::size_t paletteEnd = static_cast<std::size_t>(dib->rows.data() - file.data());
    if (pixelOffset < paletteEnd || pixelOffset > file.size()) return std::nullopt;
    DibLayout layout = *dib;
    layout.rows = file.subspan(pixelOffset);
    DecodedImage image;
    if (!DecodeColourRows(layout, 3, image)) return std::nullopt;
    return image;
}

std::optional<DecodedImage> DecodeIco(std::span<const unsigned char> file) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (file.size() < kDirectorySize + kEntrySize) return std::nullopt;
    if (U16(file, 0) != 0 || U16(file, 2) != 1 || U16(file, 4) == 0) return std::nullopt;
    const std::uint32_t imageSize = U32(file, kDirectorySize + 8);
    const std::uint32_t imageOffset = U32(file, kDirectorySize + 12);
    if (imageOffset > file.size() || imageSize > file.size() - imageOffset) return std::nullopt;
    const auto dib = ReadDibHeader(file.subspan(imageOffset, imageSize), 2);
    if (!dib) return std::nullopt;
    DecodedImage image;
    if (!DecodeColourRows(*dib, 4, image) || !ApplyMask(*dib, image)) return std::nullopt;
    return image;
}

}  // namespace res
