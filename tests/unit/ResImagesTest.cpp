#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "res/EmbeddedFiles.h"
#include "res/Resources.h"
#include "res/resource.h"

namespace {

std::uint32_t Colour(const unsigned char* p) {
    return p[0] << 16 | p[1] << 8 | p[2];
}

unsigned U16(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}

TEST(ResImagesTest, SideBitmapIsAnEightyByTwoEightyTrueColourPicture) {
    const res::Image bitmap = res::LoadBitmap(IDB_WIZARD);
    ASSERT_NE(bitmap.pixels, nullptr);
    EXPECT_EQ(bitmap.width, 80);
    EXPECT_EQ(bitmap.height, 280);
    EXPECT_EQ(bitmap.depth, 3);

    std::set<std::uint32_t> colours;
    for (int i = 0; i < bitmap.width * bitmap.height; ++i) {
        colours.insert(Colour(bitmap.pixels + i * 3));
    }
    EXPECT_GT(colours.size(), 500u) << "a drawn picture, not a flat placeholder";

    // The embedded file itself is a 24-bit bitmap.
    const auto file = res::embedded::WizardBitmap();
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(U16(file, 28), 24u);
}

TEST(ResImagesTest, OnlyTheWizardBitmapExists) {
    for (UINT id : {0u, 128u, 129u, 131u, 104u}) {
        const res::Image image = res::LoadBitmap(id);
        EXPECT_EQ(image.pixels, nullptr) << id;
        EXPECT_EQ(image.width, 0) << id;
        EXPECT_EQ(image.height, 0) << id;
    }
}

TEST(ResImagesTest, RepeatedLoadsShareOneDecodedImage) {
    EXPECT_EQ(res::LoadBitmap(IDB_WIZARD).pixels, res::LoadBitmap(IDB_WIZARD).pixels);
    EXPECT_EQ(res::LoadIcon().pixels, res::LoadIcon().pixels);
}

TEST(ResImagesTest, IconIsASixteenColourThirtyTwoSquareWithTransparentPixels) {
    const res::Image icon = res::LoadIcon();
    ASSERT_NE(icon.pixels, nullptr);
    EXPECT_EQ(icon.width, 32);
    EXPECT_EQ(icon.height, 32);
    EXPECT_EQ(icon.depth, 4);

    int transparent = 0;
    std::set<std::uint32_t> opaqueColours;
    for (int i = 0; i < icon.width * icon.height; ++i) {
        const unsigned char* p = icon.pixels + i * 4;
        ASSERT_TRUE(p[3] == 0 || p[3] == 255) << "alpha " << int(p[3]) << " at " << i;
        if (p[3] == 0) {
            ++transparent;
        } else {
            opaqueColours.insert(Colour(p));
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, 32 * 32 / 2) << "the glyph fills a good part of the square";
    EXPECT_LE(opaqueColours.size(), 15u);
    EXPECT_GE(opaqueColours.size(), 5u);

    // The embedded file is an icon with one 32 x 32, 4-bit (16-colour) image.
    const auto file = res::embedded::MainFrameIcon();
    ASSERT_GT(file.size(), 22u + 40u);
    EXPECT_EQ(U16(file, 2), 1u);
    EXPECT_EQ(U16(file, 4), 1u);
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(file[8], 16);
    EXPECT_EQ(U16(file, 22 + 14), 4u);
}

}  // namespace
