// Ini documents in memory and on disk, in the three encodings the suite's files use.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "install/CreateNSI.h"
#include "install/IniDocument.h"
#include "install/IniFile.h"
#include "ui/Exception.h"

using namespace testing_support;

TEST(ProductSettings, NewFileHasTheTwoValuesInTheEightBitCodePage) {
    TempFolder tmp;
    MakeFolders(tmp / L"Settings");
    WriteProductSettings(tmp.Path());
    EXPECT_EQ(ReadBytes(tmp / L"Settings\\holter.ini"), "[options]\r\nFilterType=0\r\nHardwareType=1\r\n\r\n");
}

TEST(ProductSettings, ExistingFileKeepsItsOtherSectionsAndKeys) {
    TempFolder tmp;
    MakeFolders(tmp / L"Settings");
    WriteBytes(tmp / L"Settings\\holter.ini",
               "; written by the suite\r\n[Common]\r\nPath=C:\\Data\r\n\r\n[options]\r\nFilterType=3\r\n"
               "LanguageSetting=ENG\r\nHardwareType=7\r\n");
    WriteProductSettings(tmp.Path());
    EXPECT_EQ(ReadBytes(tmp / L"Settings\\holter.ini"),
              "[Common]\r\nPath=C:\\Data\r\n\r\n[options]\r\nFilterType=0\r\nLanguageSetting=ENG\r\nHardwareType=1\r\n\r\n");
}

TEST(ProductSettings, EightBitCyrillicFileKeepsItsBytesApartFromTheValues) {
    TempFolder tmp;
    MakeFolders(tmp / L"Settings");
    // "Клиника" in code page 1251.
    const std::string clinic = "\xCA\xEB\xE8\xED\xE8\xEA\xE0";
    std::string before = "[Common]\r\nName=" + clinic + "\r\n\r\n[options]\r\nFilterType=9\r\nHardwareType=1\r\n\r\n";
    WriteBytes(tmp / L"Settings\\holter.ini", before);
    WriteProductSettings(tmp.Path());
    std::string after = before;
    after.replace(after.find("FilterType=9"), 12, "FilterType=0");
    EXPECT_EQ(ReadBytes(tmp / L"Settings\\holter.ini"), after);
}

TEST(ProductSettings, UnicodeFilesKeepTheirEncodingAndByteOrderMark) {
    struct Case {
        TTextEncoding encoding;
        const char* bom;
    };
    for (const Case& c : {Case{TTextEncoding::Utf16LE, "\xFF\xFE"}, Case{TTextEncoding::Utf8, "\xEF\xBB\xBF"}}) {
        TempFolder tmp;
        MakeFolders(tmp / L"Settings");
        WriteBytes(tmp / L"Settings\\holter.ini", EncodeText(L"[Клиника]\r\nИмя=Кардиология\r\n", c.encoding));
        WriteProductSettings(tmp.Path());
        std::string bytes = ReadBytes(tmp / L"Settings\\holter.ini");
        EXPECT_EQ(bytes.substr(0, strlen(c.bom)), c.bom);
        TTextEncoding read;
        EXPECT_EQ(DecodeText(bytes, read),
                  L"[Клиника]\r\nИмя=Кардиология\r\n\r\n[options]\r\nFilterType=0\r\nHardwareType=1\r\n\r\n");
        EXPECT_EQ(read, c.encoding);
    }
}

TEST(ProductSettings, ReadOnlyFileRaisesAndKeepsItsContent) {
    TempFolder tmp;
    MakeFolders(tmp / L"Settings");
    std::wstring path = tmp / L"Settings\\holter.ini";
    WriteBytes(path, "[options]\r\nFilterType=4\r\n");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(WriteProductSettings(tmp.Path()), ui::EOSError);
    EXPECT_EQ(ReadBytes(path), "[options]\r\nFilterType=4\r\n");
    EXPECT_FALSE(IsFile(path + L".new"));
}

TEST(ProductSettings, MissingSettingsFolderRaises) {
    TempFolder tmp;
    EXPECT_THROW(WriteProductSettings(tmp.Path()), ui::EOSError);
    EXPECT_FALSE(IsFolder(tmp / L"Settings"));
}

TEST(EditionSettings, SetsDiskInCommonAndKeepsTheRest) {
    TempFolder tmp;
    WriteEditionSettings(tmp.Path());
    EXPECT_EQ(ReadBytes(tmp / L"btooth.ini"), "[Common]\r\nDisk=I\r\n\r\n");
    WriteBytes(tmp / L"btooth.ini", "[Port]\r\nCom=3\r\n[common]\r\ndisk=C\r\n");
    WriteEditionSettings(tmp.Path());
    EXPECT_EQ(ReadBytes(tmp / L"btooth.ini"), "[Port]\r\nCom=3\r\n\r\n[common]\r\ndisk=I\r\n\r\n");
}
