// The full name from a font file's own name table.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "winint/FontNameTable.h"

using namespace fixtures;

TEST(FontNameTable, GivesTheFullNameOfEachFixtureFont) {
    for (auto [file, name] : kFixtureNames) EXPECT_EQ(FontFullName(FixtureFile("fonts/" + Utf8(file))), name);
}

TEST(FontNameTable, MalformedFilesGiveAnEmptyName) {
    std::string font = FixtureFile("fonts/ARIAL.TTF");
    EXPECT_EQ(FontFullName(""), L"");
    EXPECT_EQ(FontFullName(std::string(11, '\0')), L"");
    for (size_t cut : {size_t{12}, size_t{100}, font.size() / 3, font.size() - 1})
        EXPECT_NO_THROW(FontFullName(std::string_view(font).substr(0, cut)));
    std::string wild = font;
    for (size_t at = 12; at < 12 + 16 * 20 && at < wild.size(); at += 16)
        for (int i = 8; i < 16; ++i) wild[at + i] = '\xFF';  // every table's offset and length out of the file
    EXPECT_EQ(FontFullName(wild), L"");
}
