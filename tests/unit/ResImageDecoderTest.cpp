#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "res/ImageDecoder.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

Bytes InfoHeader(int width, int height, int bits, std::uint32_t colours,
                 std::uint32_t compression = 0) {
    Bytes b;
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<unsigned>(bits));
    Put32(b, compression);
    Put32(b, 0);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, colours);
    Put32(b, 0);
    return b;
}

// A bitmap file from an info header, palette (B, G, R, 0 entries) and rows.
Bytes BmpFile(const Bytes& info, const Bytes& palette, const Bytes& rows) {
    Bytes file{'B', 'M'};
    const std::uint32_t offset = 14 + static_cast<std::uint32_t>(info.size() + palette.size());
    Put32(file, offset + static_cast<std::uint32_t>(rows.size()));
    Put32(file, 0);
    Put32(file, offset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

Bytes Pixel(const res::DecodedImage& image, int x, int y) {
    const auto at =
        image.pixels.begin() + (static_cast<std::ptrdiff_t>(y) * image.width + x) * image.depth;
    return Bytes(at, at + image.depth);
}

// 3 x 2 pixels, 24 bits: 9 bytes of colour and 3 bytes of padding per row.
const Bytes kRows24 = {
    // first stored row
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xEE, 0xEE, 0xEE,
    // second stored row
    0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0xEE, 0xEE, 0xEE};

TEST(ResImageDecoderTest, TrueColourBottomUpRowsComeOutTopFirstInRgbOrder) {
    const auto image = res::DecodeBmp(BmpFile(InfoHeader(3, 2, 24, 0), {}, kRows24));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->depth, 3);
    ASSERT_EQ(image->pixels.size(), 18u);
    EXPECT_EQ(Pixel(*image, 0, 0), (Bytes{0x13, 0x12, 0x11}));  // last stored row on top
    EXPECT_EQ(Pixel(*image, 2, 0), (Bytes{0x19, 0x18, 0x17}));
    EXPECT_EQ(Pixel(*image, 0, 1), (Bytes{0x03, 0x02, 0x01}));
    EXPECT_EQ(Pixel(*image, 2, 1), (Bytes{0x09, 0x08, 0x07}));
}

TEST(ResImageDecoderTest, TopDownBitmapKeepsItsRowOrder) {
    const auto image = res::DecodeBmp(BmpFile(InfoHeader(3, -2, 24, 0), {}, kRows24));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(Pixel(*image, 0, 0), (Bytes{0x03, 0x02, 0x01}));
    EXPECT_EQ(Pixel(*image, 1, 1), (Bytes{0x16, 0x15, 0x14}));
}

TEST(ResImageDecoderTest, PalettisedBitmapsLookUpEachPixelsColour) {
    const Bytes palette = {0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
    const Bytes black{0, 0, 0}, blue{0, 0, 0xFF}, green{0, 0xFF, 0}, red{0xFF, 0, 0};
    struct Case {
        int bits;
        Bytes rows;  // 3 x 2, bottom row first, padded to 4 bytes
    };
    const Case cases[] = {
        // Top row: red, green, blue; bottom row: blue, black, red.
        {4, {0x10, 0x30, 0, 0, 0x32, 0x10, 0, 0}},
        {8, {1, 0, 3, 0, 3, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const auto image = res::DecodeBmp(BmpFile(InfoHeader(3, 2, c.bits, 4), palette, c.rows));
        ASSERT_TRUE(image);
        EXPECT_EQ(Pixel(*image, 0, 0), red);
        EXPECT_EQ(Pixel(*image, 1, 0), green);
        EXPECT_EQ(Pixel(*image, 2, 0), blue);
        EXPECT_EQ(Pixel(*image, 0, 1), blue);
        EXPECT_EQ(Pixel(*image, 1, 1), black);
        EXPECT_EQ(Pixel(*image, 2, 1), red);
    }
}

TEST(ResImageDecoderTest, MalformedBitmapsAreRefused) {
    const Bytes twoColours = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    struct Case {
        const char* what;
        Bytes file;
    };
    Bytes badMagic = BmpFile(InfoHeader(3, 2, 24, 0), {}, kRows24);
    badMagic[0] = 'X';
    Bytes offsetPastEnd = BmpFile(InfoHeader(3, 2, 24, 0), {}, kRows24);
    offsetPastEnd[10] = 0xFF;
    const Case cases[] = {
        {"empty", {}},
        {"bad magic", badMagic},
        {"pixel offset past the end", offsetPastEnd},
        {"zero width", BmpFile(InfoHeader(0, 2, 24, 0), {}, kRows24)},
        {"zero height", BmpFile(InfoHeader(3, 0, 24, 0), {}, kRows24)},
        {"negative width", BmpFile(InfoHeader(-3, 2, 24, 0), {}, kRows24)},
        {"huge", BmpFile(InfoHeader(1 << 30, 1 << 30, 24, 0), {}, kRows24)},
        {"run-length compressed", BmpFile(InfoHeader(3, 2, 8, 2, 1), twoColours, kRows24)},
        {"16 bits per pixel", BmpFile(InfoHeader(3, 2, 16, 0), {}, kRows24)},
        {"more colours than bits allow", BmpFile(InfoHeader(3, 2, 1, 3), twoColours, kRows24)},
        {"index beyond the palette",
         BmpFile(InfoHeader(3, 2, 8, 2), twoColours, {0, 1, 2, 0, 0, 0, 0, 0})},
        {"one row short", BmpFile(InfoHeader(3, 3, 24, 0), {}, kRows24)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(res::DecodeBmp(c.file)) << c.what;
    }
}

TEST(ResImageDecoderTest, EveryTruncationOfAValidBitmapIsRefused) {
    const Bytes file = BmpFile(InfoHeader(3, 2, 24, 0), {}, kRows24);
    ASSERT_TRUE(res::DecodeBmp(file));
    for (std::size_t size = 0; size < file.size(); ++size) {
        EXPECT_FALSE(res::DecodeBmp(std::span(file.data(), size))) << size << " bytes";
    }
}

// An icon file with one 3 x 2, 4-bit image: colour rows, then mask rows.
Bytes IcoFile(const Bytes& maskRows, int storedHeight = 4) {
    Bytes image = InfoHeader(3, storedHeight, 4, 16);
    for (int i = 0; i < 16; ++i) {
        const unsigned char v = static_cast<unsigned char>(i * 16);
        image.insert(image.end(), {v, static_cast<unsigned char>(255 - v), 0x40, 0});
    }
    // Top row: indices 1, 2, 3; bottom row: 4, 5, 6.
    image.insert(image.end(), {0x45, 0x60, 0, 0, 0x12, 0x30, 0, 0});
    image.insert(image.end(), maskRows.begin(), maskRows.end());
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 1);
    file.insert(file.end(), {3, 2, 16, 0});
    Put16(file, 1);
    Put16(file, 4);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

TEST(ResImageDecoderTest, IconMaskMakesPixelsTransparent) {
    // Bottom mask row hides its first pixel; top mask row hides its last.
    const auto image = res::DecodeIco(IcoFile({0x80, 0, 0, 0, 0x20, 0, 0, 0}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->depth, 4);
    EXPECT_EQ(Pixel(*image, 0, 0), (Bytes{0x40, 255 - 16, 16, 255}));  // index 1
    EXPECT_EQ(Pixel(*image, 1, 0), (Bytes{0x40, 255 - 32, 32, 255}));  // index 2
    EXPECT_EQ(Pixel(*image, 2, 0)[3], 0);
    EXPECT_EQ(Pixel(*image, 0, 1)[3], 0);
    EXPECT_EQ(Pixel(*image, 1, 1), (Bytes{0x40, 255 - 80, 80, 255}));  // index 5
    EXPECT_EQ(Pixel(*image, 2, 1)[3], 255);
}

TEST(ResImageDecoderTest, MalformedIconsAreRefused) {
    const Bytes valid = IcoFile({0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(res::DecodeIco(valid));
    for (std::size_t size = 0; size < valid.size(); ++size) {
        EXPECT_FALSE(res::DecodeIco(std::span(valid.data(), size))) << size << " bytes";
    }
    EXPECT_FALSE(res::DecodeIco(IcoFile({0, 0, 0, 0}))) << "mask one row short";
    EXPECT_FALSE(res::DecodeIco(IcoFile({0, 0, 0, 0, 0, 0, 0, 0}, 3))) << "odd stored height";
    EXPECT_FALSE(res::DecodeIco(IcoFile({0, 0, 0, 0, 0, 0, 0, 0}, -4))) << "top-down";
    Bytes cursor = valid;
    cursor[2] = 2;
    EXPECT_FALSE(res::DecodeIco(cursor)) << "a cursor file";
    Bytes offsetOutside = valid;
    offsetOutside[18] = 0xF0;
    EXPECT_FALSE(res::DecodeIco(offsetOutside)) << "image offset outside the file";
    Bytes sizeTooLarge = valid;
    sizeTooLarge[15] = 0x7F;
    EXPECT_FALSE(res::DecodeIco(sizeTooLarge)) << "image size beyond the file";
}

}  // namespace
