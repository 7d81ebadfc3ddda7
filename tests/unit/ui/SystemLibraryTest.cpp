// The fence of the library search, in both of its branches: with the search flags
// (Windows 8 and later, Windows 7 with its update) and without them (Windows 7 as
// shipped), given as the result of the lookup. CTest starts each case in a process
// of its own, so a fence never reaches the next case. Wine keeps the current folder
// in the search after SetDllDirectoryW(L""), which Windows takes out, so a bare name
// is checked only in the branch with the flags.
#include <gtest/gtest.h>
#include <windows.h>

#include "TestSupport.h"
#include "ui/SystemLibrary.h"

using namespace testing_support;

namespace {

// A library under a name of no system library, in a folder that is made the current one.
class LibrarySearch : public ::testing::Test {
protected:
    void SetUp() override {
        CopyFileTo(BinFolder() + L"syssetup.dll", tmp / L"planted.dll");
        SetCurrentDirectoryW(tmp.Path().c_str());
    }
    void TearDown() override { SetCurrentDirectoryW(BinFolder().c_str()); }

    // A system library is loaded from the system folder and nowhere else.
    static void ExpectSystemLibrariesFromTheSystemFolderOnly() {
        EXPECT_FALSE(ui::LoadSystemLibrary(L"planted.dll"));
        EXPECT_TRUE(ui::LoadSystemLibrary(L"version.dll"));
    }

    TempFolder tmp{L"lib"};
};

}  // namespace

TEST_F(LibrarySearch, UnfencedABareNameFindsTheCurrentFolder) {
    HMODULE planted = LoadLibraryW(L"planted.dll");
    EXPECT_NE(planted, nullptr) << "the planted library is not found without the fence, so the cases below prove nothing";
    if (planted) FreeLibrary(planted);
}

TEST_F(LibrarySearch, WithTheSearchFlagsOnlyTheSystemFolderIsSearched) {
    ui::TSetDefaultDllDirectories setDefault = ui::LookUpSetDefaultDllDirectories();
    ASSERT_NE(setDefault, nullptr);
    EXPECT_TRUE(ui::FenceLibrarySearch(setDefault));
    HMODULE planted = LoadLibraryW(L"planted.dll");
    EXPECT_EQ(planted, nullptr) << "a bare name found the library of the current folder";
    if (planted) FreeLibrary(planted);
    ExpectSystemLibrariesFromTheSystemFolderOnly();
}

TEST_F(LibrarySearch, WithoutTheSearchFlagsTheCurrentFolderIsTakenOut) {
    EXPECT_FALSE(ui::FenceLibrarySearch(nullptr));
    ExpectSystemLibrariesFromTheSystemFolderOnly();
}
