// The PNG decoder against images of known pixels, the shipped images, and broken files.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "PngWriter.h"
#include "ui/Exception.h"
#include "ui/Png.h"

#include <zlib.h>

using namespace fixtures;

namespace {

constexpr int W = 7, H = 5;  // five rows: each of the five filters once

uint8_t Sample(int x, int y, int c) { return static_cast<uint8_t>(x * 37 + y * 91 + c * 53 + x * y * 11); }

std::vector<uint8_t> Samples(int channels) {
    std::vector<uint8_t> s;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < channels; ++c) s.push_back(Sample(x, y, c));
    return s;
}

uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; }

std::string Encoded(int colorType, std::vector<uint8_t> samples, std::vector<uint8_t> palette = {},
                    std::vector<uint8_t> trns = {}) {
    return EncodePng({.Width = W, .Height = H, .ColorType = colorType, .Samples = std::move(samples),
                      .Filters = {0, 1, 2, 3, 4}, .Palette = std::move(palette), .Transparency = std::move(trns)});
}

std::wstring ErrorOf(const std::string& file) {
    try {
        ui::DecodePng(file, L"PROBE");
    } catch (const ui::Exception& e) {
        return e.Message;
    }
    return L"(no error)";
}

}  // namespace

TEST(Png, EachColourTypeThroughAllFiveFilters) {
    struct Case {
        int colorType, channels;
        uint32_t (*expected)(int x, int y);
    };
    const Case cases[] = {
        {0, 1, [](int x, int y) { uint32_t v = Sample(x, y, 0); return Argb(255, v, v, v); }},
        {2, 3, [](int x, int y) { return Argb(255, Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2)); }},
        {4, 2, [](int x, int y) { uint32_t v = Sample(x, y, 0); return Argb(Sample(x, y, 1), v, v, v); }},
        {6, 4, [](int x, int y) { return Argb(Sample(x, y, 3), Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2)); }},
    };
    for (const Case& c : cases) {
        ui::TPixels32 image = ui::DecodePng(Encoded(c.colorType, Samples(c.channels)), L"PROBE");
        ASSERT_EQ(image.Width, W);
        ASSERT_EQ(image.Height, H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                ASSERT_EQ(image.At(x, y), c.expected(x, y)) << "type " << c.colorType << " at " << x << "," << y;
    }
}

TEST(Png, PaletteWithTransparency) {
    std::vector<uint8_t> palette, trns = {0, 128};
    for (int i = 0; i < 4; ++i)
        for (uint8_t v : {uint8_t(i * 60), uint8_t(255 - i * 60), uint8_t(i)}) palette.push_back(v);
    std::vector<uint8_t> indexes;
    for (int i = 0; i < W * H; ++i) indexes.push_back(static_cast<uint8_t>(i % 4));
    ui::TPixels32 image = ui::DecodePng(Encoded(3, indexes, palette, trns), L"PROBE");
    EXPECT_EQ(image.At(0, 0), Argb(0, 0, 255, 0));
    EXPECT_EQ(image.At(1, 0), Argb(128, 60, 195, 1));
    EXPECT_EQ(image.At(2, 0), Argb(255, 120, 135, 2));
    EXPECT_EQ(image.At(3, 0), Argb(255, 180, 75, 3));

    indexes[5] = 9;
    EXPECT_NE(ErrorOf(Encoded(3, indexes, palette, trns)), L"(no error)") << "an index outside the palette";
}

TEST(Png, FourBitPalette) {
    std::vector<uint8_t> palette;
    for (int i = 0; i < 16; ++i)
        for (uint8_t v : {uint8_t(i), uint8_t(i * 2), uint8_t(i * 3)}) palette.push_back(v);
    // 7 pixels of 4 bits: 4 bytes a row, the last half byte unused.
    std::vector<uint8_t> rows;
    for (int y = 0; y < H; ++y)
        for (uint8_t v : {0x01, 0x23, 0x45, 0x60}) rows.push_back(v);
    ui::TPixels32 image = ui::DecodePng(
        EncodePng({.Width = W, .Height = H, .ColorType = 3, .BitDepth = 4, .Samples = rows, .Palette = palette}),
        L"PROBE");
    for (int x = 0; x < W; ++x) EXPECT_EQ(image.At(x, 2), Argb(255, x, 2 * x, 3 * x)) << x;
}

TEST(Png, BrokenFilesRaiseAnErrorNamingTheImage) {
    std::string good = Encoded(6, Samples(4));
    std::string badCrc = good;
    badCrc[30] ^= 0x40;  // inside the header chunk
    std::string badSignature = good;
    badSignature[1] = 'Q';
    std::string interlaced = EncodePng({.Width = W, .Height = H, .ColorType = 6, .Samples = Samples(4),
                                        .Interlaced = true});
    for (const std::string& file : {badCrc, badSignature, interlaced, std::string()}) {
        std::wstring message = ErrorOf(file);
        EXPECT_NE(message.find(L"PROBE"), std::wstring::npos) << Utf8(message);
    }
    EXPECT_NE(ErrorOf(interlaced).find(L"чересстрочные"), std::wstring::npos);
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_NE(ErrorOf(good.substr(0, cut)), L"(no error)") << "cut at " << cut;
}


TEST(Png, AHeaderClaimingMoreThanItsDataCanHoldIsRefusedBeforeAllocating) {
    std::string file = Encoded(6, Samples(4));
    for (int at : {16, 20}) {  // width and height in the header chunk
        file[at] = 0;
        file[at + 1] = 0;
        file[at + 2] = 0x40;
        file[at + 3] = 0;
    }
    uint32_t crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(file.data() + 12), 17));
    for (int i = 0; i < 4; ++i) file[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    EXPECT_NE(ErrorOf(file).find(L"размер не соответствует данным"), std::wstring::npos) << Utf8(ErrorOf(file));
}

TEST(Png, TheShippedImagesDecodeToTheirSizes) {
    struct Size {
        const char* file;
        int width, height;
    };
    for (const Size& s : {Size{"background", 128, 128}, {"main", 958, 472}, {"logo", 72, 70}, {"title_pnl_l", 22, 100},
                          {"title_pnl_r", 22, 100}, {"title_pnl_m", 1, 100}, {"title", 500, 66}}) {
        std::string name = s.file;
        ui::TPixels32 image = ui::DecodePng(SourceFile("res/images/" + name + ".png"), L"IMAGE");
        EXPECT_EQ(image.Width, s.width) << name;
        EXPECT_EQ(image.Height, s.height) << name;
        if (name == "title") {
            EXPECT_EQ(image.At(0, 0), Argb(255, 236, 236, 235));
        }
        if (name == "logo" || name == "title") {
            for (uint32_t p : image.Pixels) ASSERT_EQ(p >> 24, 255u) << name << " is fully opaque";
        }
        if (name == "main") {
            EXPECT_EQ(image.At(100, 200) >> 24, 255u) << "the narrow panel is opaque";
            EXPECT_EQ(image.At(600, 200) >> 24, 255u) << "the wide panel is opaque";
            EXPECT_LT(image.At(2, 2) >> 24, 255u) << "the ground around the panels is transparent";
        }
    }
}
