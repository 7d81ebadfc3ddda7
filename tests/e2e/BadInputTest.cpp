// Broken and hostile input through the real Install.exe: target paths, a damaged
// medium, bad documents and badly named release folders. Every run must end in the
// program's own message or log mark, leave every file that was there before as it
// was, and keep the window answering.
#include "InstallRobot.h"
#include "ui/Exception.h"

using namespace testing_support;

namespace {

// A deterministic megabyte of bytes that no ini reader expects.
std::string Garbage(size_t size) {
    std::string bytes(size, '\0');
    uint32_t x = 0x9E3779B9;
    for (char& c : bytes) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 23);
    }
    bytes[0] = 'G';  // no byte-order mark
    return bytes;
}

const wchar_t* const kFailed = L"ОШИБКА!!!";
const std::wstring kReleaseError = L"Cannot get release information, error: ";

class BadInput : public InstallRun {
protected:
    // Lays out the medium, then remembers what the medium and the target hold.
    void Prepare(const TDistributionOptions& options = {}, const std::function<void()>& change = {}) {
        Layout(options);
        if (change) change();
        before = Snapshot(dist);
        targetBefore = Snapshot(target);
    }

    // Nothing that was there before was changed or lost, and the window still answers.
    void ExpectIntact(const std::vector<std::wstring>& rewritten = {}) {
        EXPECT_EQ(Snapshot(dist), before) << "the medium was changed";
        TSnapshot now = Snapshot(target);
        for (const auto& [path, state] : targetBefore) {
            if (std::find(rewritten.begin(), rewritten.end(), target + path) != rewritten.end()) continue;
            auto at = now.find(path);
            EXPECT_TRUE(at != now.end() && at->second == state) << Utf8(path) << " was changed or lost";
        }
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0)
            << "the window does not answer";
    }

    // Waits for the message box, expects its text to start with `start` (and to hold
    // `part` when given), presses OK.
    void ExpectBox(const std::wstring& start, const std::wstring& part = {}) {
        HWND box = robot::WaitMessageBox(process.Id(), 60000);
        ASSERT_NE(box, nullptr) << "no message box appeared";
        std::wstring text = robot::MessageText(box);
        EXPECT_TRUE(text.starts_with(start)) << Utf8(text);
        EXPECT_NE(text.find(part), std::wstring::npos) << Utf8(text);
        robot::Press(box, IDOK);
        EXPECT_TRUE(robot::WaitFor([&] { return !IsWindow(box); }));
    }

    // The run was stopped: no link, no exit button, and the close box still works.
    void ExpectStoppedAndClosable() {
        EXPECT_FALSE(IsFile(LinkPath()));
        EXPECT_FALSE(robot::IsEnabled(Control(L"BtnExit")));
        PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(process.WaitExit(10000)) << "the window can be closed";
    }

    void Install() { BeginInstall([&] { UncheckDriver(); }); }

    bool LogHas(const std::wstring& line) {
        auto log = Log();
        return std::find(log.begin(), log.end(), line) != log.end();
    }

    void ReplaceOnMedium(const std::wstring& name, const std::string& bytes) {
        std::wstring path = dist + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteBytes(path, bytes);
    }

    TSnapshot before, targetBefore;
};

}  // namespace

// Target paths.

TEST_F(BadInput, TargetWithACharacterWindowsRefusesEndsWithTheFolderError) {
    Prepare();
    target = L"C:\\a|b\\";
    Install();
    ExpectBox(L"Ошибка при создании каталога!");
    EXPECT_EQ(Log(), (std::vector<std::wstring>{L"Ошибка при создании каталога!"}));
    EXPECT_FALSE(IsFolder(L"C:\\a|b"));
    ExpectIntact();
    ExpectStoppedAndClosable();
}

TEST_F(BadInput, TargetPathOverTheSystemLimitEndsWithTheFolderError) {
    Prepare();
    MakeFolders(root / std::wstring(150, L'p'));
    target = root / std::wstring(150, L'p') + L"\\" + std::wstring(120, L'c') + L"\\";
    ASSERT_GT(target.size(), 260u);
    Install();
    ExpectBox(L"Ошибка при создании каталога!");
    EXPECT_EQ(Log(), (std::vector<std::wstring>{L"Ошибка при создании каталога!"}));
    EXPECT_FALSE(IsFolder(target));
    ExpectIntact();
    ExpectStoppedAndClosable();
}

// The build makes build/fixtures/locked-target immutable: not even root may write there.
TEST_F(BadInput, TargetFolderThatCannotBeWrittenEndsWithTheSettingsFileError) {
    target = BuildFolder() + L"fixtures\\locked-target\\";
    ASSERT_TRUE(IsFile(target + L"keep.txt"));
    Prepare();
    Install();
    ExpectBox(L"", target + L"Settings\\holter.ini");
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(IsFolder(target + L"Settings"));
    ExpectIntact();
    ExpectStoppedAndClosable();
}

// Windows does not stop writes into a folder for its read-only attribute.
TEST_F(BadInput, TargetFolderWithTheReadOnlyAttributeIsInstalledInto) {
    MakeFolders(target);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    Prepare();
    Install();
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_TRUE(IsFile(target + L"DTAfb\\RKDB.FDB"));
    EXPECT_TRUE(IsFile(LinkPath()));
    ExpectIntact();
}

// The medium.

// The copy step writes new files; the backup and updater trees keep the medium's
// attributes, and the two files the updater rewrites are made writable.
TEST_F(BadInput, ReadOnlyMediumInstallsTheDatabaseAndTheUpdaterFilesWritable) {
    Prepare({}, [&] {
        for (const auto& [path, state] : Snapshot(dist))
            SetFileAttributesW((dist + path).c_str(), state.Attributes | FILE_ATTRIBUTE_READONLY);
    });
    Install();
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_TRUE(robot::IsEnabled(Control(L"BtnExit")));
    for (const wchar_t* file : {L"DTAfb\\RKDB.FDB", L"firebird.conf", L"udf\\udf1.dll", L"ReleaseInfo",
                                L"Updater.exe.cfg"}) {
        DWORD attrs = GetFileAttributesW((target + file).c_str());
        ASSERT_NE(attrs, INVALID_FILE_ATTRIBUTES) << Utf8(file);
        EXPECT_FALSE(attrs & FILE_ATTRIBUTE_READONLY) << Utf8(file) << " was installed read-only";
    }
    EXPECT_NE(ReadBytes(target + L"ReleaseInfo").find("<Level>120615</Level>"), std::string::npos);
    ExpectIntact();
}

TEST_F(BadInput, MediumWithoutFontsInstallsEverythingElse) {
    Prepare({}, [&] { RemoveTree(dist + L"fonts"); });
    Install();
    ASSERT_TRUE(WaitFontSizePage());
    for (const auto& line : Log()) EXPECT_FALSE(line.starts_with(L"Шрифт")) << Utf8(line);
    EXPECT_TRUE(IsFile(LinkPath()));
    ExpectIntact();
}

TEST_F(BadInput, EmptyAndTruncatedFontsAreReportedAndNotInstalled) {
    Prepare({}, [&] {
        WriteBytes(dist + L"fonts\\ARIAL.TTF", "");
        WriteBytes(dist + L"fonts\\COUR.TTF", ReadBytes(dist + L"fonts\\COUR.TTF").substr(0, 300));
    });
    Install();
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_TRUE(LogHas(L"Шрифт ARIAL.TTF повреждён и не установлен"));
    EXPECT_TRUE(LogHas(L"Шрифт COUR.TTF повреждён и не установлен"));
    EXPECT_TRUE(LogHas(L"Шрифт <Liberation Serif> уcтановлен"));
    EXPECT_FALSE(IsFile(SystemFolder() + L"..\\Fonts\\ARIAL.TTF"));
    EXPECT_FALSE(IsFile(SystemFolder() + L"..\\Fonts\\COUR.TTF"));
    ExpectIntact();
}

// The build makes build/fixtures/loop-medium/backup/loop, a link to its own folder.
TEST_F(BadInput, BackupFolderLinkedToItselfIsNotFollowed) {
    dist = BuildFolder() + L"fixtures\\loop-medium\\";
    DWORD link = GetFileAttributesW((dist + L"backup\\loop").c_str());
    ASSERT_TRUE(link != INVALID_FILE_ATTRIBUTES && (link & FILE_ATTRIBUTE_REPARSE_POINT));
    Prepare();
    Install();
    ASSERT_TRUE(WaitFontSizePage(90000));
    EXPECT_FALSE(IsFolder(target + L"backup\\loop"));
    EXPECT_TRUE(IsFile(target + L"backup\\R120615\\installed.txt"));
    EXPECT_TRUE(IsFile(LinkPath()));
    ExpectIntact();
}

// Documents.

TEST_F(BadInput, UnreadableOrHostileReleaseDocumentsEndWithTheReleaseError) {
    struct Case {
        const char* document;
        const wchar_t* reason;
    };
    for (const Case& c : {Case{"this is not XML <<<", L""},
                          {"<?xml version=\"1.0\"?>\r\n<ROOT>\r\n  <Version>1</Version>\r\n</ROOT>\r\n", L"Level"},
                          {"<?xml version=\"1.0\"?>\r\n<ROOT>\r\n  <Version>abc</Version>\r\n  <Level>0</Level>\r\n"
                           "</ROOT>\r\n",
                           L"'abc' is not a valid integer value"},
                          // An external entity and nested entities: a document type declaration.
                          {"<?xml version=\"1.0\"?>\r\n<!DOCTYPE ROOT [<!ENTITY other SYSTEM \"file:///C:/windows/win.ini\">"
                           "<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\r\n<ROOT>\r\n"
                           "  <Version>1</Version>\r\n  <Level>0</Level>\r\n  <Server>&other;&b;</Server>\r\n</ROOT>\r\n",
                           L""}}) {
        SCOPED_TRACE(c.document);
        Prepare({}, [&] { ReplaceOnMedium(L"Updater\\ReleaseInfo", c.document); });
        Install();
        ExpectBox(kReleaseError, c.reason);
        EXPECT_EQ(ReadBytes(target + L"ReleaseInfo"), c.document) << "the document is left as it was";
        ExpectIntact();
        ExpectStoppedAndClosable();
        RemoveTree(target);
        RemoveTree(dist);
    }
}

TEST_F(BadInput, SettingsFileThatIsAFolderEndsWithItsError) {
    MakeFolders(target + L"Settings\\holter.ini\\inside");
    Prepare();
    Install();
    ExpectBox(L"", target + L"Settings\\holter.ini");
    EXPECT_TRUE(IsFolder(target + L"Settings\\holter.ini\\inside"));
    EXPECT_FALSE(IsFolder(target + L"DTAfb"));
    ExpectIntact();
    ExpectStoppedAndClosable();
}

TEST_F(BadInput, ReadOnlySettingsFileEndsWithItsErrorAndIsKept) {
    MakeFolders(target + L"Settings");
    WriteBytes(target + L"Settings\\holter.ini", "[options]\r\nFilterType=4\r\n");
    SetFileAttributesW((target + L"Settings\\holter.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    Prepare();
    Install();
    ExpectBox(L"", target + L"Settings\\holter.ini");
    EXPECT_FALSE(IsFile(target + L"Settings\\holter.ini.new"));
    ExpectIntact();
    ExpectStoppedAndClosable();
}

TEST_F(BadInput, SettingsFileOfGarbageGetsTheInstallersKeys) {
    MakeFolders(target + L"Settings");
    WriteBytes(target + L"Settings\\holter.ini", Garbage(1 << 20));
    Prepare();
    Install();
    ASSERT_TRUE(WaitFontSizePage());
    std::string settings = ReadBytes(target + L"Settings\\holter.ini");
    EXPECT_NE(settings.find("[options]\r\nFilterType=0\r\nHardwareType=1\r\n"), std::string::npos);
    ExpectIntact({target + L"Settings\\holter.ini"});
}

// Files in use and files that cannot be read.

TEST_F(BadInput, ServerFileInUseStopsTheRunBeforeAnythingIsCopied) {
    MakeFolders(target);
    WriteBytes(target + L"fbclient.Dll", "the running server's library");
    Prepare();
    {
        HeldFile server(target + L"fbclient.Dll");
        Install();
        ExpectBox(L"Файл " + target + L"fbclient.Dll занят другой программой",
                  L"Закройте её и запустите установку снова.");
    }
    std::vector<std::wstring> log = Log();
    ASSERT_EQ(log.size(), 1u) << "nothing but the line";
    EXPECT_TRUE(log[0].starts_with(L"Файл " + target + L"fbclient.Dll занят другой программой")) << Utf8(log[0]);
    EXPECT_FALSE(IsFolder(target + L"DTAfb"));
    EXPECT_FALSE(IsFile(target + L"aliases.conf"));
    ExpectIntact();
    ExpectStoppedAndClosable();
}

TEST_F(BadInput, BackupFileThatCannotBeReadIsLoggedAndTheRunGoesOn) {
    Prepare({}, [&] { WriteBytes(dist + L"backup\\R120615\\data.bin", "a scratched sector"); });
    {
        HeldFile unreadable(dist + L"backup\\R120615\\data.bin");
        Install();
        ASSERT_TRUE(WaitFontSizePage());
    }
    EXPECT_TRUE(LogHas(L"Файл " + target + L"backup\\R120615\\data.bin не скопирован: " +
                       ui::SystemErrorMessage(ERROR_SHARING_VIOLATION)));
    EXPECT_FALSE(IsFile(target + L"backup\\R120615\\data.bin"));
    EXPECT_TRUE(IsFile(target + L"backup\\R120615\\Ritmikon.exe"));
    EXPECT_TRUE(IsFile(target + L"backup\\R120615\\installed.txt")) << "the release script ran";
    EXPECT_TRUE(IsFile(LinkPath()));
    ExpectIntact();
}

// Release folders.

TEST_F(BadInput, ReleaseFoldersWithoutADateEndWithTheConversionErrorBeforeTheScript) {
    for (const wchar_t* release : {L"R0107ab", L"R123"}) {
        SCOPED_TRACE(Utf8(release));
        TDistributionOptions options;
        options.Releases = {release};
        Prepare(options);
        Install();
        ExpectBox(L"'", L"' is not a valid integer value");
        EXPECT_FALSE(IsFile(target + L"backup\\" + release + L"\\installed.txt")) << "the script did not run";
        EXPECT_EQ(ReadBytes(target + L"ReleaseInfo"), kReleaseInfoDocument);
        ExpectIntact();
        ExpectStoppedAndClosable();
        RemoveTree(target);
        RemoveTree(dist);
    }
}

TEST_F(BadInput, EqualDatesTakeTheReleaseThatSortsFirst) {
    TDistributionOptions options;
    options.Releases = {L"b010713", L"A010713"};
    Prepare(options);
    Install();
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_TRUE(IsFile(target + L"backup\\A010713\\installed.txt"));
    EXPECT_FALSE(IsFile(target + L"backup\\b010713\\installed.txt"));
    EXPECT_NE(ReadBytes(target + L"ReleaseInfo").find("<Level>010713</Level>"), std::string::npos);
    ExpectIntact();
}
