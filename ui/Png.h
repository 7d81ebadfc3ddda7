#pragma once
// A PNG decoder into 32-bit pixels, for the images the program carries. No system calls.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Pixels as 0xAARRGGBB, rows from the top.
struct TPixels32 {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Greyscale, RGB, palette (with tRNS), grey with alpha and RGBA, 8 bits per sample
// (palette and greyscale also 1, 2 and 4), not interlaced. A file that is malformed,
// truncated or of another kind raises an error that names it.
TPixels32 DecodePng(std::string_view file, const std::wstring& name);

}  // namespace ui
