// How settings texts become integers and numbers.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "common/SettingsValues.h"

using namespace fixtures;

TEST(SettingsValues, IntegersAsTheSuiteWritesThem) {
    struct Case {
        const wchar_t* text;
        int expected;
    };
    for (const Case& c : {Case{L"16", 16}, {L"-1", -1}, {L"+5", 5}, {L"0x10", 16}, {L"0XfF", 255},
                          {L"0x", 7}, {L"0xG1", 7}, {L"", 7}, {L"1 2", 7}, {L"true", 7}, {L"1.0", 7},
                          {L"2147483647", 2147483647}, {L"2147483648", 7}, {L"-2147483648", -2147483647 - 1},
                          {L"0xFFFFFFFF", -1}, {L"0x100000000", 7}})
        EXPECT_EQ(ParseIniInteger(c.text, 7), c.expected) << Utf8(c.text);
}

TEST(SettingsValues, NumbersWithTheProgramsDecimalPoint) {
    EXPECT_DOUBLE_EQ(ParseIniNumber(L"1.5", 1.0, L'.'), 1.5);
    EXPECT_DOUBLE_EQ(ParseIniNumber(L"-0.25", 1.0, L'.'), -0.25);
    EXPECT_DOUBLE_EQ(ParseIniNumber(L"2", 1.0, L'.'), 2.0);
    EXPECT_DOUBLE_EQ(ParseIniNumber(L"1.5e2", 1.0, L'.'), 150.0);
    for (const wchar_t* bad : {L"", L"1,5", L"abc", L".", L"1.5x", L"1e", L"1e99999"})
        EXPECT_DOUBLE_EQ(ParseIniNumber(bad, 1.0, L'.'), 1.0) << Utf8(bad);
}
