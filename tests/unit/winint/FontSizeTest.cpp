// The small-font test at several resolutions, and the font size change through the
// stand-in system setup library.
#include <gtest/gtest.h>
#include <windows.h>

#include "Robot.h"
#include "TestSupport.h"
#include "winint/FontSize.h"

using namespace testing_support;

namespace {

std::wstring TracePath() { return TempPath() + L"syssetup-trace.txt"; }

std::wstring Trace() {
    if (!IsFile(TracePath())) return L"(none)";
    std::string bytes = ReadBytes(TracePath());
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

// The stand-in setup library in the prefix's system folder for the length of a test.
struct StandInInSystemFolder {
    StandInInSystemFolder() { CopyFileTo(BinFolder() + L"syssetup.dll", SystemFolder() + L"syssetup.dll"); }
    ~StandInInSystemFolder() { DeleteFileW((SystemFolder() + L"syssetup.dll").c_str()); }
};

// What a new process reports for IsSmallFonts at the given resolution.
int SmallFontsAt(DWORD dpi) {
    HKEY key;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &key);
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    robot::Process probe = robot::Launch(BinFolder() + L"SmallFontsProbe.exe", BinFolder());
    bool ended = probe.WaitExit(20000);
    RegDeleteValueW(key, L"LogPixels");
    RegCloseKey(key);
    return ended ? static_cast<int>(probe.ExitCode()) : -1;
}

}  // namespace

TEST(IsSmallFonts, BelowOneHundredDotsPerInchIsSmall) {
    EXPECT_TRUE(IsSmallFonts()) << "Wine's default is 96";
    EXPECT_EQ(SmallFontsAt(96), 1);
    EXPECT_EQ(SmallFontsAt(99), 1);
    EXPECT_EQ(SmallFontsAt(100), 0);
    EXPECT_EQ(SmallFontsAt(120), 0);
}

TEST(SetLargeFontSize, AsksTheSystemSetupLibraryForSize120WithoutOwner) {
    DeleteFileW(TracePath().c_str());
    StandInInSystemFolder standIn;
    SetLargeFontSize();
    SetLargeFontSize();
    EXPECT_EQ(Trace(), L"owner=0 size=120\r\nowner=0 size=120\r\n");
}

TEST(SetLargeFontSize, ACopyBesideTheProgramIsNeverLoaded) {
    ASSERT_TRUE(IsFile(BinFolder() + L"syssetup.dll"));
    ASSERT_FALSE(IsFile(SystemFolder() + L"syssetup.dll"));
    DeleteFileW(TracePath().c_str());
    SetLargeFontSize();
    EXPECT_EQ(Trace(), L"(none)");
    EXPECT_EQ(GetModuleHandleW(L"syssetup.dll"), nullptr);
}
