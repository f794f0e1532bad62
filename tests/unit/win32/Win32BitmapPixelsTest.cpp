#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/ui/win32/BitmapPixels.h"

namespace {

using ui::Bitmap;
using ui::win32::BgraPixels;
using ui::win32::Rgb;
using Bytes = std::vector<std::uint8_t>;

constexpr Rgb kFace{240, 240, 240};

struct PixelCase {
    const char* what;
    Bytes source;  // one pixel
    int depth;
    std::optional<Rgb> background;
    Bytes expected;  // B, G, R, A
};

const PixelCase kPixels[] = {
    {"an RGB pixel swaps to BGR and is opaque", {10, 20, 30}, 3, kFace, {30, 20, 10, 255}},
    {"without a background RGB is opaque too", {10, 20, 30}, 3, std::nullopt, {30, 20, 10, 255}},
    {"a transparent pixel shows the face", {10, 20, 30, 0}, 4, kFace, {240, 240, 240, 255}},
    {"an opaque pixel hides the face", {10, 20, 30, 255}, 4, kFace, {30, 20, 10, 255}},
    {"a half-transparent pixel blends", {0, 100, 255, 128}, 4, Rgb{0, 0, 100}, {178, 50, 0, 255}},
    {"an icon keeps its alpha", {10, 20, 30, 0}, 4, std::nullopt, {30, 20, 10, 0}},
};

TEST(Win32BitmapPixelsTest, PixelsBecomeBgraBlendedOntoTheBackground) {
    for (const PixelCase& c : kPixels) {
        Bitmap bitmap{1, 1, c.depth, c.source.data()};
        EXPECT_EQ(BgraPixels(bitmap, 1, 1, c.background), c.expected) << c.what;
    }
}

TEST(Win32BitmapPixelsTest, ASmallerSizeAveragesTheCoveredPixels) {
    // 2 x 2 RGBA: black, white / opaque red, transparent blue.
    const Bytes source = {0, 0, 0, 255, 255, 255, 255, 255, 255, 0, 0, 255, 0, 0, 255, 0};
    Bitmap bitmap{2, 2, 4, source.data()};
    EXPECT_EQ(BgraPixels(bitmap, 1, 1, std::nullopt), (Bytes{128, 64, 128, 191}));
    // Rows stay top to bottom: black with white above, red with clear blue below.
    Bytes halved = BgraPixels(bitmap, 1, 2, std::nullopt);
    EXPECT_EQ(halved, (Bytes{128, 128, 128, 255, 128, 0, 128, 128}));
}

TEST(Win32BitmapPixelsTest, ALargerSizeRepeatsPixels) {
    const Bytes source = {1, 2, 3, 4, 5, 6};
    Bitmap bitmap{2, 1, 3, source.data()};
    EXPECT_EQ(BgraPixels(bitmap, 4, 1, std::nullopt),
              (Bytes{3, 2, 1, 255, 3, 2, 1, 255, 6, 5, 4, 255, 6, 5, 4, 255}));
}

TEST(Win32BitmapPixelsTest, UnusableBitmapsGiveNothing) {
    const Bytes source = {1, 2, 3, 4};
    const Bitmap bitmaps[] = {
        {1, 1, 3, nullptr},
        {0, 1, 3, source.data()},
        {1, 1, 2, source.data()},
    };
    for (const Bitmap& bitmap : bitmaps) EXPECT_TRUE(BgraPixels(bitmap, 1, 1, kFace).empty());
    Bitmap usable{1, 1, 3, source.data()};
    EXPECT_TRUE(BgraPixels(usable, 0, 1, kFace).empty());
}

}  // namespace
