// The label tables and their translation from the language file at start-up.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "common/RK_Common_Const.h"
#include "common/RK_Common_Proc.h"
#include "common/RK_Common_Var.h"

using namespace testing_support;

class Labels : public ::testing::Test {
protected:
    TempFolder program{L"lng"};
    void StartWith(const std::string& setting, const std::string* languageFile) {
        MakeFolders(program / L"Settings");
        WriteBytes(program / L"Settings\\holter.ini", "[options]\r\nLanguageSetting=" + setting + "\r\n");
        if (languageFile) WriteBytes(program / L"Settings\\EngView.lng", *languageFile);
        StartSharedUnits(program.Path());
    }
    void ExpectRussian(bool exceptDiseaseZero = false) {
        EXPECT_EQ(ConstitutionNames[0], L"Нормостеник");
        if (!exceptDiseaseZero) {
            EXPECT_EQ(DiseaseNames[0], L"Гипертония");
        }
        EXPECT_EQ(DiseaseNames[9], L"Хрон. неспецифич. заболевания легких");
        EXPECT_EQ(DiseaseNames[20], L"Искусственный водитель ритма");
        EXPECT_EQ(DrugGroupNames[8], L"диуретики");
        EXPECT_EQ(ConductionNames[4], L"Не определен");
        EXPECT_EQ(SboText, L"СБОЙ");
        EXPECT_EQ(MetText, L"МЕТКА");
        EXPECT_EQ(NnnText, L"н");
        EXPECT_EQ(SssText, L"с");
    }
};

TEST_F(Labels, RussianSettingKeepsTheRussianTexts) {
    std::string english = "[RK_Messages]\r\nGip=Hypertension\r\n";
    StartWith("RUS", &english);
    ExpectRussian();
}

TEST_F(Labels, EnglishFileWithOnlyOneKeyTranslatesThatEntry) {
    std::string english = "[RK_Messages]\r\nGip=Hypertension\r\nWPW=changed\r\n[RK_Common_Proc]\r\nxyz=1\r\n";
    StartWith("ENG", &english);
    EXPECT_EQ(DiseaseNames[0], L"Hypertension");
    ExpectRussian(true);
    EXPECT_EQ(ConductionNames[3], L"WPW") << "an entry without a key never changes";
    EXPECT_EQ(DiseaseNames[21], L"Сахарный диабет");

    StartWith("RUS", &english);
    EXPECT_EQ(DiseaseNames[0], L"Гипертония") << "a later Russian start-up brings the Russian text back";
}

TEST_F(Labels, KeyWithAnEmptyValueGivesAnEmptyEntry) {
    std::string english = "[RK_Messages]\r\nNormo=\r\n[RK_Common_Proc]\r\nSbo=FAIL\r\n";
    StartWith("ENG", &english);
    EXPECT_EQ(ConstitutionNames[0], L"");
    EXPECT_EQ(ConstitutionNames[1], L"Гиперстеник");
    EXPECT_EQ(SboText, L"FAIL");
}

TEST_F(Labels, EnglishSettingWithoutTheFileKeepsRussian) {
    StartWith("ENG", nullptr);
    ExpectRussian();
}

TEST(ConstantTables, HoldTheirTexts) {
    EXPECT_STREQ(ReportSectionTags[1], L"Rythm");
    EXPECT_STREQ(ReportSectionTags2[1], L"Rhythm");
    EXPECT_STREQ(ReportSectionTags2[17], L"Screening");
    EXPECT_STREQ(ReportSectionTags[22], L"Recomendation");
    EXPECT_STREQ(ADSectionTags[5], L"5");
    EXPECT_STREQ(LeadNames[14], L"J");
    EXPECT_STREQ(DisplayItemNames[44], L"Безответный ");
    EXPECT_STREQ(DisplayItemNames[47], DisplayItemNames[40]);
    EXPECT_STREQ(DisplayItemNames[50], L"Ритм \"Не определен\"");
    EXPECT_STREQ(DisplayItemNames[60], L"Ритм \"Артифициальный\"");
    EXPECT_STREQ(DisplayItemNames[66], L"Ритм \"Наджел.абер.тахикардия\"");
    EXPECT_STREQ(DisplayItemNames[71], L"Эпизод \"Сон\"");
    EXPECT_STREQ(DisplayItemNames[73], L"Наджел. под вопросом");
    for (int code : {4, 6, 7, 8, 9, 13, 14, 23, 29, 37, 38, 48, 49, 67, 68, 69})
        EXPECT_STREQ(DisplayItemNames[code], L"") << code;
    EXPECT_STREQ(ToleranceNames[3], L"высокая");
    EXPECT_STREQ(FunctionalClassAdvice[6], L"Нуждается в постороннем уходе.");
}
