#include "wizard/Skin.h"

#include <algorithm>

void FlattenOnWhite(ui::TPixels32& image) {
    for (uint32_t& p : image.Pixels) {
        uint32_t a = p >> 24, out = 0xFF000000u;
        for (int shift = 0; shift <= 16; shift += 8) {
            uint32_t c = (p >> shift) & 0xFF;
            out |= ((c * a + 255 * (255 - a) + 127) / 255) << shift;
        }
        p = out;
    }
}

void Draw(const TPixelBuffer& buffer, const ui::TPixels32& image, int x, int y) {
    int x0 = std::max(0, x), x1 = std::min(buffer.Width, x + image.Width);
    int y0 = std::max(0, y), y1 = std::min(buffer.Height, y + image.Height);
    if (x1 <= x0) return;
    for (int row = y0; row < y1; ++row)
        std::copy_n(image.Pixels.data() + static_cast<size_t>(row - y) * image.Width + (x0 - x), x1 - x0,
                    buffer.Pixels + static_cast<size_t>(row) * buffer.Width + x0);
}

void ComposeBackground(const TPixelBuffer& buffer, int W, int H, const TSkinImages& images) {
    for (int y = 0; y <= H; y += images.Background.Height)
        for (int x = 0; x <= W; x += images.Background.Width) Draw(buffer, images.Background, x, y);
    int lw = images.TitleLeft.Width, rx = W - images.TitleRight.Width;
    Draw(buffer, images.TitleLeft, 0, 0);
    Draw(buffer, images.TitleRight, rx, 0);
    for (int x = lw; x <= rx - 1; ++x) Draw(buffer, images.TitleMiddle, x, 0);
    Draw(buffer, images.Logo, lw - 5, 15);
    Draw(buffer, images.Title, (W - images.Title.Width) / 2, 20);
    Draw(buffer, images.Panels, -3, 95);
}
