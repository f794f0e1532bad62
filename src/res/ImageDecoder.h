// Decoders for the two picture formats the wizard embeds: uncompressed
// Windows bitmap files (.bmp) and Windows icon files (.ico). Both decode to
// 8-bit samples, rows top to bottom, whatever the order of the file's rows.
// Malformed or truncated input yields no image, never a read out of bounds.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace res {

// An image that owns its pixels: width * height * depth bytes, rows top to
// bottom, samples R, G, B (depth 3) or R, G, B, A (depth 4).
struct DecodedImage {
    int width = 0;
    int height = 0;
    int depth = 0;
    std::vector<unsigned char> pixels;
};

// Decodes a bitmap file with 1, 4, 8 (palettised) or 24 bits per pixel and
// no compression, stored bottom-up (positive height) or top-down; RGB.
std::optional<DecodedImage> DecodeBmp(std::span<const unsigned char> file);

// Decodes the first image of an icon file: a palettised or 24-bit colour
// image followed by its 1-bit mask; masked pixels become transparent. RGBA.
std::optional<DecodedImage> DecodeIco(std::span<const unsigned char> file);

}  // namespace res
