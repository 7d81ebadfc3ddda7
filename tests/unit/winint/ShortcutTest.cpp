// Shell links written through the real link object and read back through it.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "TestSupport.h"
#include "winint/Shortcut.h"

using namespace testing_support;

namespace {

TLinkInfo ReadLink(const std::wstring& file) {
    TLinkInfo info = ReadShellLink(file);
    EXPECT_TRUE(info.Loaded) << Utf8(file);
    return info;
}

std::wstring ShellFolderValue(const wchar_t* name) {
    wchar_t data[MAX_PATH] = L"";
    DWORD size = sizeof data;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name,
                 RRF_RT_REG_SZ, nullptr, data, &size);
    return data;
}

class Shortcuts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
    TempFolder tmp{L"lnk"};
};

}  // namespace

TEST(LinkFileName, ReplacesTheExtensionAndDropsTheFolder) {
    struct Case {
        const wchar_t *name, *target, *expected;
    };
    for (const Case& c : {Case{L"", L"C:\\Prog\\Ritmikon.exe", L"Ritmikon.lnk"},
                          {L"Suite 2.0", L"C:\\x.exe", L"Suite 2.lnk"},
                          {L"Ритмикон - Холтер", L"C:\\x.exe", L"Ритмикон - Холтер.lnk"},
                          {L"D:\\some.dir\\My link", L"C:\\x.exe", L"My link.lnk"},
                          {L"D:\\dir\\Name.old", L"C:\\x.exe", L"Name.lnk"}})
        EXPECT_EQ(LinkFileName(c.name, c.target), c.expected) << Utf8(c.name);
}

TEST_F(Shortcuts, DesktopLinkWithTheTargetsNameAndFolder) {
    std::wstring desktop = ShellFolderValue(L"Desktop");
    ASSERT_FALSE(desktop.empty());
    std::wstring out = L"untouched";
    CreateShortcut(L"C:\\Prog\\Ritmikon.exe", ShortcutLocation::Desktop, L"", L"", L"-x", L"Описание", L"", out);
    EXPECT_EQ(out, desktop + L"\\Ritmikon.lnk");
    TLinkInfo info = ReadLink(out);
    EXPECT_EQ(info.Path, L"C:\\Prog\\Ritmikon.exe");
    EXPECT_EQ(info.Arguments, L"-x");
    EXPECT_EQ(info.Description, L"Описание");
    EXPECT_EQ(info.WorkingFolder, L"C:\\Prog\\");
    DeleteFileW(out.c_str());
}

TEST_F(Shortcuts, FolderLocationWritesIntoTheFolderWithEmptyArgumentsAndDescription) {
    std::wstring out;
    CreateShortcut(L"C:\\Prog\\Ritmikon.exe", ShortcutLocation::Folder, tmp / L"links", L"D:\\Work\\", L"", L"",
                   L"Suite 2.0", out);
    EXPECT_EQ(out, tmp / L"links\\Suite 2.lnk") << "the path is returned although the folder is missing";
    EXPECT_FALSE(IsFile(out));
    MakeFolders(tmp / L"links");
    CreateShortcut(L"C:\\Prog\\Ritmikon.exe", ShortcutLocation::Folder, tmp / L"links", L"D:\\Work\\", L"", L"",
                   L"Suite 2.0", out);
    EXPECT_EQ(out, tmp / L"links\\Suite 2.lnk");
    TLinkInfo info = ReadLink(out);
    EXPECT_EQ(info.Arguments, L"");
    EXPECT_EQ(info.Description, L"");
    EXPECT_EQ(info.WorkingFolder, L"D:\\Work\\");
}

TEST_F(Shortcuts, UnknownFolderWritesNothingAndLeavesTheOutput) {
    for (auto [location, folder] : {std::pair{ShortcutLocation::Folder, L""},
                                    {static_cast<ShortcutLocation>(5), L"C:\\"},
                                    {static_cast<ShortcutLocation>(200), L"C:\\"}}) {
        std::wstring out = L"previous";
        CreateShortcut(L"C:\\Prog\\Ritmikon.exe", location, folder, L"", L"", L"", L"", out);
        EXPECT_EQ(out, L"previous");
    }
}

TEST_F(Shortcuts, MissingShellFolderValueWritesNothing) {
    const wchar_t* key = L"Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Quick Launch");
    std::wstring out = L"previous";
    CreateShortcut(L"C:\\Prog\\Ritmikon.exe", ShortcutLocation::QuickLaunch, L"", L"", L"", L"", L"", out);
    EXPECT_EQ(out, L"previous");

    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Quick Launch", REG_SZ, tmp.Path().c_str(),
                    static_cast<DWORD>((tmp.Path().size() + 1) * sizeof(wchar_t)));
    CreateShortcut(L"C:\\Prog\\Ritmikon.exe", ShortcutLocation::QuickLaunch, L"", L"", L"", L"", L"", out);
    EXPECT_EQ(out, tmp.Path() + L"\\Ritmikon.lnk") << "the value's folder is used as it stands";
    EXPECT_TRUE(IsFile(out));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Quick Launch");
}

TEST_F(Shortcuts, MissingSubfolderIsNotCreatedAndThePathIsStillReturned) {
    std::wstring desktop = ShellFolderValue(L"Desktop");
    std::wstring out;
    CreateShortcut(L"C:\\Prog\\Ritmikon.exe", ShortcutLocation::Desktop, L"NoSuchSubfolder", L"", L"", L"", L"", out);
    EXPECT_EQ(out, desktop + L"\\NoSuchSubfolder\\Ritmikon.lnk");
    EXPECT_FALSE(IsFolder(desktop + L"\\NoSuchSubfolder"));
    EXPECT_FALSE(IsFile(out));
}
