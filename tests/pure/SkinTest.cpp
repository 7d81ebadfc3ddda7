// The background composition on plain pixel buffers.
#include <gtest/gtest.h>

#include "wizard/Skin.h"

namespace {

ui::TPixels32 Solid(int w, int h, uint32_t colour) {
    return ui::TPixels32{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, colour)};
}

// The seven images in their real sizes, each of its own colour; the panel image's
// ground outside its two panels is another colour again.
struct Images {
    ui::TPixels32 background = Solid(128, 128, 0xFF000001), logo = Solid(72, 70, 0xFF000003),
                  left = Solid(22, 100, 0xFF000004), right = Solid(22, 100, 0xFF000005),
                  middle = Solid(1, 100, 0xFF000006), title = Solid(500, 66, 0xFF000007),
                  panels = Solid(958, 472, 0xFF000008);
    Images() {
        for (int y = 9; y <= 462; ++y)
            for (int x = 0; x < 958; ++x)
                if ((x >= 10 && x <= 306) || (x >= 317 && x <= 948)) panels.Pixels[y * 958 + x] = 0xFF000002;
    }
    TSkinImages Skin() const { return {background, panels, logo, left, right, middle, title}; }
};

struct Buffer {
    int w, h;
    std::vector<uint32_t> pixels;
    Buffer(int width, int height) : w(width), h(height), pixels(static_cast<size_t>(width) * height, 0) {}
    TPixelBuffer View() { return {pixels.data(), w, h}; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x] & 0xFF; }
};

}  // namespace

TEST(Skin, CoverageAtTheWindowsSize) {
    Images images;
    Buffer b(954, 579);
    ComposeBackground(b.View(), 954, 579, images.Skin());
    struct Spot {
        int x, y;
        uint32_t role;
    };
    for (const Spot& s : {Spot{0, 0, 4}, {21, 10, 4}, {22, 10, 6}, {931, 10, 6}, {932, 10, 5}, {953, 10, 5},
                          {17, 15, 3}, {88, 84, 3}, {16, 15, 4}, {89, 15, 6}, {227, 20, 7}, {726, 85, 7},
                          {226, 20, 6}, {727, 20, 6}, {300, 19, 6}, {300, 86, 6}, {5, 99, 8}, {7, 104, 2},
                          {303, 557, 2}, {304, 300, 8}, {314, 104, 2}, {945, 557, 2}, {950, 300, 8},
                          {100, 566, 8}, {100, 567, 1}, {953, 578, 1}, {0, 578, 1}})
        EXPECT_EQ(b.At(s.x, s.y), s.role) << "at " << s.x << "," << s.y;
}

TEST(Skin, NarrowTitleBarHasNoMiddleAndTheRightEndCoversTheLeft) {
    Images images;
    Buffer b(30, 200);
    ComposeBackground(b.View(), 30, 200, images.Skin());
    EXPECT_EQ(b.At(7, 5), 4);
    EXPECT_EQ(b.At(8, 5), 5);
    EXPECT_EQ(b.At(29, 5), 5);
}

TEST(Skin, WidthsThatAreNoMultipleOfTheTileAreCoveredWhole) {
    Images images;
    for (int W : {300, 383, 129}) {
        Buffer b(W, 700);
        ComposeBackground(b.View(), W, 700, images.Skin());
        for (int x = 0; x < W; ++x) ASSERT_EQ(b.At(x, 650), 1u) << "W " << W << " x " << x;
    }
}

TEST(Skin, FlatteningBlendsOverWhite) {
    ui::TPixels32 image{3, 1, {0x00123456, 0x80000000, 0xFF102030}};
    FlattenOnWhite(image);
    EXPECT_EQ(image.Pixels[0], 0xFFFFFFFFu) << "transparent becomes white";
    EXPECT_EQ(image.Pixels[1], 0xFF7F7F7Fu) << "half-transparent black becomes grey";
    EXPECT_EQ(image.Pixels[2], 0xFF102030u);
}
