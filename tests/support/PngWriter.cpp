#include "PngWriter.h"

#include <zlib.h>

#include <cstdlib>

namespace {

void PutBigEndian(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    PutBigEndian(out, static_cast<uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

uint8_t Paeth(int a, int b, int c) {
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

}  // namespace

std::string EncodePng(const TPngSpec& s) {
    int channels = s.ColorType == 2 ? 3 : s.ColorType == 4 ? 2 : s.ColorType == 6 ? 4 : 1;
    size_t row = (static_cast<size_t>(s.Width) * channels * s.BitDepth + 7) / 8;
    size_t bpp = std::max<size_t>(1, static_cast<size_t>(channels * s.BitDepth) / 8);
    std::string raw;
    for (int y = 0; y < s.Height; ++y) {
        int filter = s.Filters.empty() ? 0 : s.Filters[static_cast<size_t>(y) % s.Filters.size()];
        raw.push_back(static_cast<char>(filter));
        const uint8_t* cur = s.Samples.data() + y * row;
        const uint8_t* prev = y ? cur - row : nullptr;
        for (size_t i = 0; i < row; ++i) {
            int a = i >= bpp ? cur[i - bpp] : 0, b = prev ? prev[i] : 0, c = prev && i >= bpp ? prev[i - bpp] : 0;
            int predicted = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? Paeth(a, b, c) : 0;
            raw.push_back(static_cast<char>(cur[i] - predicted));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), 6);
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(s.Width));
    PutBigEndian(header, static_cast<uint32_t>(s.Height));
    header += static_cast<char>(s.BitDepth);
    header += static_cast<char>(s.ColorType);
    header += std::string("\0\0", 2);
    header += static_cast<char>(s.Interlaced ? 1 : 0);
    std::string png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", header);
    if (!s.Palette.empty()) PutChunk(png, "PLTE", std::string(s.Palette.begin(), s.Palette.end()));
    if (!s.Transparency.empty()) PutChunk(png, "tRNS", std::string(s.Transparency.begin(), s.Transparency.end()));
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    return png;
}
