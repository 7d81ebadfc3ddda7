#pragma once
// Writes PNG files of any colour type and row filter, for tests of the decoder and
// for the robot's screenshots.
#include <cstdint>
#include <string>
#include <vector>

struct TPngSpec {
    int Width = 0, Height = 0;
    int ColorType = 6;  // 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
    int BitDepth = 8;
    std::vector<uint8_t> Samples;  // unfiltered rows, packed as the colour type and depth say
    std::vector<int> Filters;      // a filter type per row, cycled; none means 0
    std::vector<uint8_t> Palette;  // PLTE
    std::vector<uint8_t> Transparency;  // tRNS
    bool Interlaced = false;
};

std::string EncodePng(const TPngSpec& spec);
