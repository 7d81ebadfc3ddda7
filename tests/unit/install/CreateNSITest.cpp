// The seeded reference lists and the last-number file, byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "TestSupport.h"
#include "common/DateTime.h"
#include "install/CreateNSI.h"

using namespace testing_support;

TEST(ReferenceLists, NewListsAre840ZeroBytes) {
    TempFolder tmp;
    SeedReferenceLists(tmp / L"Settings\\");
    for (const wchar_t* name : {L"uca.nsi", L"wra.nsi"})
        EXPECT_EQ(ReadBytes(tmp / L"Settings\\" + name), std::string(840, '\0')) << Utf8(name);
}

TEST(ReferenceLists, ExistingListsAreKeptByteForByte) {
    TempFolder tmp;
    std::string names(840, '\0');
    names.replace(0, 7, "\x06Ivanov");
    WriteBytes(tmp / L"uca.nsi", names);
    SeedReferenceLists(tmp.Path());
    EXPECT_EQ(ReadBytes(tmp / L"uca.nsi"), names);
    EXPECT_EQ(ReadBytes(tmp / L"wra.nsi"), std::string(840, '\0'));
}

TEST(LastNumFile, HoldsTwoZerosAndTheLocalTime) {
    TempFolder tmp;
    MakeFolders(tmp / L"Settings");
    SYSTEMTIME before;
    GetLocalTime(&before);
    WriteLastNumFile(tmp.Path());
    std::string bytes = ReadBytes(tmp / L"Settings\\lastnum.dta");
    ASSERT_EQ(bytes.size(), 14u);
    EXPECT_EQ(bytes.substr(0, 6), std::string(6, '\0'));
    double stamp;
    std::memcpy(&stamp, bytes.data() + 6, 8);
    double expected = EncodeDateTime(before.wYear, before.wMonth, before.wDay, before.wHour, before.wMinute,
                                     before.wSecond, before.wMilliseconds);
    EXPECT_NEAR(stamp, expected, 60.0 / 86400.0);
    EXPECT_GE(stamp, expected);
}

TEST(LastNumFile, ExistingFileIsKeptAndNoSettingsFolderWritesNothing) {
    TempFolder tmp;
    MakeFolders(tmp / L"Settings");
    WriteBytes(tmp / L"Settings\\lastnum.dta", "fourteen bytes");
    WriteLastNumFile(tmp.Path());
    EXPECT_EQ(ReadBytes(tmp / L"Settings\\lastnum.dta"), "fourteen bytes");

    TempFolder bare;
    WriteLastNumFile(bare.Path());
    EXPECT_FALSE(IsFolder(bare / L"Settings"));
}
