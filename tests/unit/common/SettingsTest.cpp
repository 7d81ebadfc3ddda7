// The suite's settings file read at start-up, through real ini files under Wine.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "common/RK_Common_Proc.h"
#include "common/RK_Common_Var.h"

using namespace testing_support;

class SettingsFile : public ::testing::Test {
protected:
    TempFolder program{L"prog"};
    void Write(const std::string& text) {
        MakeFolders(program / L"Settings");
        WriteBytes(program / L"Settings\\holter.ini", text);
    }
    const TSettings& Start() {
        StartSharedUnits(program.Path());
        return ProductSettings;
    }
};

TEST_F(SettingsFile, MissingFileGivesEveryDefault) {
    ProductSettings.NurseMode = false;
    ProductSettings.HardwareType = 9;
    const TSettings& s = Start();
    EXPECT_TRUE(s.doformshow);
    EXPECT_TRUE(s.NurseMode);
    EXPECT_TRUE(s.DoctorMode);
    EXPECT_FALSE(s.DebugPrint);
    EXPECT_FALSE(s.forGE);
    EXPECT_EQ(s.HardwareType, 1);
    EXPECT_EQ(s.FilterType, 0);
    EXPECT_EQ(s.DefaultRegType, Tregtype::rtKR3);
    EXPECT_DOUBLE_EQ(s.ChannelGain, 1.0);
    EXPECT_DOUBLE_EQ(s.ChannelGain12, 1.0);
    EXPECT_EQ(s.LanguageSetting, L"");
    EXPECT_EQ(s.ZorVikType, TZorVikType::zvtStandart);
    EXPECT_EQ(LanguageFile, L"");
    EXPECT_EQ(LanguageCode, L"RUS");
    EXPECT_EQ(ProgramPath, program.Path());
    EXPECT_EQ(AtesInPath, program / L"AtesIn\\");
    EXPECT_EQ(AtesOutPath, program / L"AtesOut\\");
    EXPECT_FALSE(IsFolder(program / L"AtesIn")) << "nothing is created on disk";
    EXPECT_EQ(FormatSettings.DecimalSeparator, L'.');
    EXPECT_EQ(FormatSettings.ThousandSeparator, L' ');
}

TEST_F(SettingsFile, GainsReadWithAPointWhateverTheRegionalSettings) {
    wchar_t decimal[4] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 4);
    ASSERT_STREQ(decimal, L",") << "the test prefix runs with Russian regional settings";
    Write("[options]\r\nChannel1Gain=1.5\r\nChannel2Gain=1,5\r\n");
    const TSettings& s = Start();
    EXPECT_DOUBLE_EQ(s.ChannelGain, 1.5);
    EXPECT_DOUBLE_EQ(s.ChannelGain12, 1.0);
}

TEST_F(SettingsFile, IntegersBooleansAndTexts) {
    std::string longValue(2100, 'x');
    Write("[OPTIONS]\r\nfiltertype=0x10\r\nHardwareType=-3\r\nNurseMode=0\r\nDoctorMode=no\r\nDebugPrint=-1\r\n"
          "DebugMy=5\r\nPoverkaView=true\r\nforGE=1\r\nonlydecode=1\r\nsaveswap=1\r\nnew_reg=300\r\n"
          "DefaultRegType=8\r\nEMIASTESTINGMODE=1\r\nPraktikaTesting=1\r\nLanguageSetting=\"RUS\"\r\n"
          "GroupProcess=" + longValue + "\r\n[other]\r\nHardwareType=5\r\n");
    const TSettings& s = Start();
    EXPECT_EQ(s.FilterType, 16);
    EXPECT_EQ(s.HardwareType, -3);
    EXPECT_FALSE(s.NurseMode);
    EXPECT_TRUE(s.DoctorMode) << "a word gives the default";
    EXPECT_TRUE(s.DebugPrint);
    EXPECT_TRUE(s.DebugMy);
    EXPECT_FALSE(s.PoverkaView);
    EXPECT_TRUE(s.forGE);
    EXPECT_TRUE(s.OnlyDecode);
    EXPECT_TRUE(s.SaveSwap);
    EXPECT_EQ(s.New_Reg, 0) << "a value outside the byte gives the default";
    EXPECT_EQ(s.DefaultRegType, Tregtype::rtKR3) << "no recorder model 8";
    EXPECT_TRUE(s.EMIASTESTINGMODE);
    EXPECT_TRUE(s.PraktikaTesting);
    EXPECT_FALSE(s.GroupProcess);
    EXPECT_EQ(s.LanguageSetting, L"RUS") << "the quotation marks are removed";
}

TEST_F(SettingsFile, TextsAreCutAtTheBufferLimit) {
    Write("[options]\r\nLanguageSetting=" + std::string(2100, 'e') + "\r\n");
    EXPECT_EQ(Start().LanguageSetting, std::wstring(2047, L'e'));
}

TEST_F(SettingsFile, EnglishIsChosenOnlyByEngInCapitals) {
    Write("[options]\r\nLanguageSetting=ENG\r\n");
    Start();
    EXPECT_EQ(LanguageFile, program / L"Settings\\EngView.lng");
    EXPECT_EQ(LanguageCode, L"ENG");
    Write("[options]\r\nLanguageSetting=eng\r\n");
    Start();
    EXPECT_EQ(LanguageFile, L"");
    EXPECT_EQ(LanguageCode, L"RUS");
}
