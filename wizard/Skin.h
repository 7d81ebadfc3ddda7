#pragma once
// The wizard's painted background composed from its seven skin images. No system calls.
#include <cstdint>

#include "ui/Png.h"

struct TSkinImages {
    const ui::TPixels32& Background;
    const ui::TPixels32& Panels;
    const ui::TPixels32& Logo;
    const ui::TPixels32& TitleLeft;
    const ui::TPixels32& TitleRight;
    const ui::TPixels32& TitleMiddle;
    const ui::TPixels32& Title;
};

// A buffer of 32-bit pixels, rows from the top; at least Width x Height of the box.
struct TPixelBuffer {
    uint32_t* Pixels;
    int Width;
    int Height;
};

// Every pixel blended over opaque white and made opaque.
void FlattenOnWhite(ui::TPixels32& image);

// Copies the image unblended with its top-left corner at (x, y); what falls outside
// the buffer is clipped.
void Draw(const TPixelBuffer& buffer, const ui::TPixels32& image, int x, int y);

// The whole picture for a box of W x H: the tiled texture, the title bar's ends and
// its middle slice once per column between them, the logo, the centred title and the
// panels.
void ComposeBackground(const TPixelBuffer& buffer, int W, int H, const TSkinImages& images);
