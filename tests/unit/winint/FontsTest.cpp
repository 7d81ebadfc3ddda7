// The suite's fonts: their names, the copy into a fonts folder, the registry values
// of the test prefix and the log lines.
#include <gtest/gtest.h>
#include <windows.h>

#include "Fixtures.h"
#include "Robot.h"
#include "TestSupport.h"
#include "ui/Exception.h"
#include "winint/Fonts.h"

using namespace testing_support;

namespace {

std::wstring FixtureFonts() { return BuildFolder() + L"fixtures\\fonts\\"; }

// A source folder with the fixture fonts and an empty target; the test prefix's
// registry values of these fonts are removed before and after.
class FontRun : public ::testing::Test {
protected:
    void SetUp() override {
        MakeFolders(job.SourceFolder);
        MakeFolders(job.TargetFolder);
        for (auto [file, name] : fixtures::kFixtureNames) CopyFileTo(FixtureFonts() + file, job.SourceFolder + file);
        ClearValues();
    }
    void TearDown() override { ClearValues(); }
    static void ClearValues() {
        for (auto [file, name] : fixtures::kFixtureNames)
            DeleteFontValue(std::wstring(name) + L" (TrueType)");
        DeleteFontValue(L" (TrueType)");
    }

    TempFolder tmp{L"fonts"};
    std::vector<std::wstring> log;
    TFontInstall job{.SourceFolder = tmp / L"src\\", .TargetFolder = tmp / L"Fonts\\",
                     .Log = [this](const std::wstring& line) { log.push_back(line); }};
};

}  // namespace

TEST(GetFontResourceName, NamesTheFontFromTheFile) {
    EXPECT_EQ(GetFontResourceName(FixtureFonts() + L"TIMES.TTF"), L"Liberation Serif");
    TempFolder tmp;
    WriteBytes(tmp / L"bad.ttf", "not a font at all");
    EXPECT_EQ(GetFontResourceName(tmp / L"bad.ttf"), L"");
    EXPECT_EQ(GetFontResourceName(tmp / L"missing.ttf"), L"");
}

TEST(GetWindowsFolder, EndsWithABackslash) {
    std::wstring folder = GetWindowsFolder();
    EXPECT_EQ(folder, L"C:\\windows\\");
}

TEST_F(FontRun, InstallsAllSevenInOrderWithValuesAndLogLines) {
    InstallFonts(job);
    std::vector<std::wstring> expectedLog;
    for (auto [file, name] : fixtures::kFixtureNames) {
        EXPECT_EQ(ReadBytes(job.TargetFolder + file), ReadBytes(job.SourceFolder + file)) << Utf8(file);
        EXPECT_EQ(FontValue(std::wstring(name) + L" (TrueType)"), file);
        expectedLog.push_back(L"Шрифт <" + std::wstring(name) + L"> у\x0063тановлен");
    }
    EXPECT_EQ(log, expectedLog);
}

TEST_F(FontRun, FontsAlreadyPresentAreLeftAlone) {
    for (auto [file, name] : fixtures::kFixtureNames)
        WriteBytes(job.TargetFolder + (file == std::wstring(L"verdana.TTF") ? L"VERDANA.TTF" : file), "present");
    DeleteFileW((job.TargetFolder + L"TAHOMA.TTF").c_str());
    InstallFonts(job);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"Шрифт <DejaVu Sans> уcтановлен"}));
    EXPECT_EQ(FontValue(L"DejaVu Sans (TrueType)"), L"TAHOMA.TTF");
    EXPECT_EQ(FontValue(L"Liberation Sans (TrueType)"), L"(none)");
    EXPECT_EQ(ReadBytes(job.TargetFolder + L"ARIAL.TTF"), "present");
    EXPECT_EQ(ReadBytes(job.TargetFolder + L"VERDANA.TTF"), "present");
    EXPECT_EQ(ReadBytes(job.TargetFolder + L"TAHOMA.TTF"), ReadBytes(job.SourceFolder + L"TAHOMA.TTF"));
}

TEST_F(FontRun, MissingSourceEndsTheRunAtThatFont) {
    DeleteFileW((job.SourceFolder + L"COUR.TTF").c_str());
    EXPECT_THROW(InstallFonts(job), ui::EOSError);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"Шрифт <Liberation Sans> уcтановлен",
                                              L"Шрифт <Liberation Sans Narrow> уcтановлен"}));
    EXPECT_FALSE(IsFile(job.TargetFolder + L"COUR.TTF"));
    EXPECT_FALSE(IsFile(job.TargetFolder + L"TIMES.TTF"));
    EXPECT_EQ(FontValue(L"Liberation Serif (TrueType)"), L"(none)");
}

TEST_F(FontRun, DamagedFontFilesAreNeitherCopiedNorRegisteredAndTheRunGoesOn) {
    WriteBytes(job.SourceFolder + L"ARIAL.TTF", "");
    std::string cour = ReadBytes(job.SourceFolder + L"COUR.TTF");
    WriteBytes(job.SourceFolder + L"COUR.TTF", cour.substr(0, 200));
    InstallFonts(job);
    EXPECT_FALSE(IsFile(job.TargetFolder + L"ARIAL.TTF"));
    EXPECT_FALSE(IsFile(job.TargetFolder + L"COUR.TTF"));
    EXPECT_EQ(FontValue(L" (TrueType)"), L"(none)");
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], L"Шрифт ARIAL.TTF повреждён и не установлен");
    EXPECT_EQ(log[1], L"Шрифт <Liberation Sans Narrow> уcтановлен");
    EXPECT_EQ(log[2], L"Шрифт COUR.TTF повреждён и не установлен");
    EXPECT_EQ(log[6], L"Шрифт <DejaVu Sans Condensed> уcтановлен");
    EXPECT_EQ(ReadBytes(job.TargetFolder + L"TIMES.TTF"), ReadBytes(job.SourceFolder + L"TIMES.TTF"));
}

TEST_F(FontRun, ACopyFailingForWantOfSpaceLeavesNothingAndTheNextFontIsInstalled) {
    TempFolder disk(L"fonts", SmallDisk());
    job.TargetFolder = disk.Path();
    // A sound font, grown past the room on the disk: its name table still reads.
    WriteBytes(job.SourceFolder + L"ARIAL.TTF", ReadBytes(job.SourceFolder + L"ARIAL.TTF") + std::string(12 << 20, '\0'));
    InstallFonts(job);
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0].rfind(L"Шрифт ARIAL.TTF не установлен: ", 0), 0u) << Utf8(log[0]);
    EXPECT_GT(log[0].size(), std::wstring(L"Шрифт ARIAL.TTF не установлен: ").size()) << "the system's reason";
    EXPECT_FALSE(IsFile(disk / L"ARIAL.TTF"));
    EXPECT_FALSE(IsFile(disk / L"ARIAL.TTF.tmp"));
    EXPECT_EQ(FontValue(L"Liberation Sans (TrueType)"), L"(none)");
    EXPECT_EQ(log[1], L"Шрифт <Liberation Sans Narrow> уcтановлен");
    EXPECT_EQ(ReadBytes(disk / L"ARIALN.TTF"), ReadBytes(job.SourceFolder + L"ARIALN.TTF"));
}

TEST_F(FontRun, TheAnnouncementDoesNotWaitForAProgramThatStoppedAnswering) {
    robot::Process hung = robot::Launch(BinFolder() + L"HungWindow.exe", tmp.Path());
    ASSERT_TRUE(robot::WaitFor([] { return FindWindowW(L"HungWindow", nullptr) != nullptr; }));
    InstallFont(job, L"TAHOMA.TTF");
    EXPECT_TRUE(hung.Running()) << "the installer waited until the hung program ended";
    EXPECT_EQ(log, (std::vector<std::wstring>{L"Шрифт <DejaVu Sans> уcтановлен"}));
}
