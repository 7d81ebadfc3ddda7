// The newest backup release: the choice by date, its script, the release document.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "install/FileUtils.h"
#include "install/Records.h"
#include "install/ReleaseInfo.h"
#include "ui/Exception.h"

using namespace testing_support;

namespace {

const char* const kReleaseInfo =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ROOT>\r\n  <Version>1</Version>\r\n  <Level>000000</Level>\r\n"
    "  <Server>update.example</Server>\r\n</ROOT>\r\n";

// A target folder with release folders in backup\ whose Install.cmd writes ran.txt.
struct Target {
    TempFolder tmp{L"rel"};
    std::wstring path = tmp.Path();

    void Release(const std::wstring& name) {
        MakeFolders(path + L"backup\\" + name);
        WriteBytes(path + L"backup\\" + name + L"\\Install.cmd", "@echo off\r\necho %CD%> ran.txt\r\n");
    }
    bool Ran(const std::wstring& name) const { return IsFile(path + L"backup\\" + name + L"\\ran.txt"); }
    std::string Document() const { return ReadBytes(path + L"ReleaseInfo"); }
};

std::wstring MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ui::Exception& e) {
        return e.Message;
    }
    return L"(no error)";
}

}  // namespace

TEST(NewestRelease, ChoosesTheLatestDateOfTwoYearDigits) {
    EXPECT_EQ(NewestRelease({L"B\\R010713", L"B\\R120615"}), L"B\\R120615");
    EXPECT_EQ(NewestRelease({L"B\\R010115", L"B\\R311299"}), L"B\\R311299");
}

TEST(NewestRelease, EqualDatesKeepTheFirstInSortedOrderIgnoringCase) {
    EXPECT_EQ(NewestRelease({L"B\\b120615", L"B\\A120615", L"B\\c010101"}), L"B\\A120615");
    EXPECT_EQ(NewestRelease({L"B\\b120615", L"B\\a120615"}), L"B\\a120615");
}

TEST(NewestRelease, EmptyListAndNamesWithoutADateRaise) {
    EXPECT_THROW(NewestRelease({}), ui::EListError);
    EXPECT_THROW(NewestRelease({L"B\\R120615", L"B\\Release"}), ui::EConvertError);
}

TEST(InstallNewestRelease, RunsTheNewestScriptInItsFolderAndRecordsItsName) {
    Target t;
    t.Release(L"R010713");
    t.Release(L"R120615");
    WriteBytes(t.path + L"ReleaseInfo", kReleaseInfo);
    SetCurrentDirectoryW(t.path.c_str());
    InstallNewestRelease(t.path);

    EXPECT_TRUE(t.Ran(L"R120615"));
    EXPECT_FALSE(t.Ran(L"R010713"));
    std::string ran = ReadBytes(t.path + L"backup\\R120615\\ran.txt");
    EXPECT_NE(ran.find("R120615"), std::string::npos) << ran;
    std::string doc = t.Document();
    EXPECT_NE(doc.find("<Level>120615</Level>"), std::string::npos) << doc;
    EXPECT_NE(doc.find("<Server>update.example</Server>"), std::string::npos) << doc;
    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    EXPECT_EQ(std::wstring(cwd) + L"\\", t.path);
}

TEST(InstallNewestRelease, NameEndingInLettersRaisesBeforeAnyScriptRuns) {
    Target t;
    t.Release(L"R120615");
    t.Release(L"Rlatest");
    WriteBytes(t.path + L"ReleaseInfo", kReleaseInfo);
    EXPECT_THROW(InstallNewestRelease(t.path), ui::EConvertError);
    EXPECT_FALSE(t.Ran(L"R120615"));
    EXPECT_EQ(t.Document(), kReleaseInfo);
}

TEST(InstallNewestRelease, NoReleaseFolderRaisesAListIndexError) {
    Target t;
    MakeFolders(t.path + L"backup\\WithOutAnswer");
    EXPECT_THROW(InstallNewestRelease(t.path), ui::EListError);
}

TEST(InstallNewestRelease, MissingDocumentRaisesAfterTheScriptRan) {
    Target t;
    t.Release(L"R120615");
    EXPECT_EQ(MessageOf([&] { InstallNewestRelease(t.path); }), L"Release info file does not exist");
    EXPECT_TRUE(t.Ran(L"R120615"));
}

TEST(UpdateReleaseInfo, RefusesAnyVersionButOneAndLeavesTheFileAlone) {
    for (std::string version : {"<Version>2</Version>", ""}) {
        Target t;
        std::string doc = "<?xml version=\"1.0\"?>\r\n<ROOT>" + version + "<Level>old</Level></ROOT>\r\n";
        WriteBytes(t.path + L"ReleaseInfo", doc);
        EXPECT_EQ(MessageOf([&] { UpdateReleaseInfo(t.path, L"120615"); }),
                  L"Cannot get release information, error: unknown release file version");
        EXPECT_EQ(t.Document(), doc);
    }
}

// Documents that would read another file into the saved document, or expand until
// memory runs out, if their document type declaration were honoured. Each is a
// release document that is otherwise fit to be updated.
const char* const kDocumentsWithADeclaration[] = {
    "<?xml version=\"1.0\"?>\r\n<!DOCTYPE ROOT [<!ENTITY other SYSTEM \"file:///C:/windows/win.ini\">]>\r\n"
    "<ROOT><Version>1</Version><Level>old</Level><Server>&other;</Server></ROOT>\r\n",
    "<?xml version=\"1.0\"?>\r\n<!DOCTYPE ROOT [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
    "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>\r\n"
    "<ROOT><Version>1</Version><Level>old</Level><Server>&c;</Server></ROOT>\r\n",
};

TEST(UpdateReleaseInfo, BrokenAndHostileDocumentsRaiseWithTheReasonAndAreLeftAlone) {
    std::vector<std::string> documents = {"this is not xml", "<ROOT><Version>1</Version></ROOT>",
                                          "<OTHER><Version>1</Version><Level/></OTHER>",
                                          "<ROOT><Version>abc</Version><Level/></ROOT>"};
    documents.insert(documents.end(), std::begin(kDocumentsWithADeclaration), std::end(kDocumentsWithADeclaration));
    for (const std::string& doc : documents) {
        Target t;
        WriteBytes(t.path + L"ReleaseInfo", doc);
        std::wstring message = MessageOf([&] { UpdateReleaseInfo(t.path, L"120615"); });
        EXPECT_TRUE(message.starts_with(L"Cannot get release information, error: ")) << doc << " " << Utf8(message);
        EXPECT_GT(message.size(), std::wstring(L"Cannot get release information, error: ").size()) << doc;
        EXPECT_EQ(t.Document(), doc);
    }
}

TEST(UpdateReleaseInfo, Windows1251DocumentKeepsItsDeclarationAndGetsTheLevel) {
    Target t;
    // "Холтер" in code page 1251.
    std::string doc = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<ROOT><Version>1</Version>"
                      "<Level>old</Level><Name>\xD5\xEE\xEB\xF2\xE5\xF0</Name></ROOT>\r\n";
    WriteBytes(t.path + L"ReleaseInfo", doc);
    UpdateReleaseInfo(t.path, L"120615");
    std::string saved = t.Document();
    EXPECT_NE(saved.find("encoding=\"windows-1251\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("<Level>120615</Level>"), std::string::npos) << saved;
    // Windows writes the name back in code page 1251; Wine writes it as UTF-8 bytes.
    bool asWritten = saved.find("\xD5\xEE\xEB\xF2\xE5\xF0") != std::string::npos;
    bool asUtf8 = saved.find("\xD0\xA5\xD0\xBE\xD0\xBB\xD1\x82\xD0\xB5\xD1\x80") != std::string::npos;
    EXPECT_TRUE(asWritten || asUtf8) << saved;
}

