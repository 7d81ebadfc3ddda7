// The file, folder and process operations, on real files and processes under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "Robot.h"
#include "TestSupport.h"
#include "install/FileUtils.h"
#include "ui/Exception.h"
#include "ui/Handle.h"

using namespace testing_support;

namespace {

FILETIME LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

void SetLastWriteTime(const std::wstring& path, int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME local{static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day),
                     static_cast<WORD>(hour), static_cast<WORD>(minute), static_cast<WORD>(second), 0};
    FILETIME lft, ft;
    SystemTimeToFileTime(&local, &lft);
    LocalFileTimeToFileTime(&lft, &ft);
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

SYSTEMTIME LocalTimeOf(const FILETIME& ft) {
    FILETIME lft;
    SYSTEMTIME st;
    FileTimeToLocalFileTime(&ft, &lft);
    FileTimeToSystemTime(&lft, &st);
    return st;
}

std::wstring ProbeTrace(const std::wstring& folder) {
    std::string bytes = ReadBytes(folder + L"probe-trace.txt");
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

// A copy of the stand-in program in `folder`.
std::wstring PlaceProbe(const std::wstring& folder) {
    MakeFolders(folder);
    CopyFileTo(BinFolder() + L"Probe.exe", folder + L"Probe.exe");
    return folder + L"Probe.exe";
}

}  // namespace

TEST(Folders, ExistsCreateAndForce) {
    TempFolder tmp;
    EXPECT_TRUE(FolderExists(tmp.Path()));
    EXPECT_FALSE(FolderExists(tmp / L"none"));
    WriteBytes(tmp / L"file", "x");
    EXPECT_FALSE(FolderExists(tmp / L"file"));
    EXPECT_TRUE(::FileExists(tmp / L"file"));

    EXPECT_FALSE(CreateFolder(tmp / L"a\\b")) << "creates one level only";
    EXPECT_FALSE(FolderExists(tmp / L"a"));
    EXPECT_TRUE(CreateFolder(tmp / L"a"));
    EXPECT_FALSE(CreateFolder(tmp / L"a")) << "an existing folder was not created";

    EXPECT_TRUE(ForceFolders(tmp / L"x\\y\\z\\"));
    EXPECT_TRUE(FolderExists(tmp / L"x\\y\\z"));
    EXPECT_TRUE(ForceFolders(tmp / L"x\\y"));
    EXPECT_THROW(ForceFolders(L""), ui::Exception);
}

TEST(Folders, NoFolderBeyondTheSystemsPathLimit) {
    TempFolder tmp;
    auto path = [&](size_t length) { return tmp.Path() + std::wstring(length - tmp.Path().size(), L'n'); };
    EXPECT_TRUE(CreateFolder(path(247) + L"\\")) << "247 characters are within the limit";
    EXPECT_FALSE(CreateFolder(path(248)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_FALSE(FolderExists(path(248)));
}

TEST(ListSubfolders, SkipsWithOutAnswerHiddenFoldersAndFiles) {
    TempFolder tmp;
    for (const wchar_t* name : {L"WithOutAnswer", L"hidden", L"release010115"}) MakeFolders(tmp / name);
    SetFileAttributesW((tmp / L"hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(tmp / L"plain.txt", "x");
    std::vector<std::wstring> list{L"kept"};
    ListSubfolders(tmp.Path(), list);
    EXPECT_EQ(list, (std::vector<std::wstring>{L"kept", tmp / L"release010115"}));

    ListSubfolders(tmp / L"missing\\", list);
    EXPECT_EQ(list.size(), 2u);
}

TEST(ListSubfolders, WithOutAnswerInOtherLetterCaseIsARelease) {
    TempFolder tmp;
    MakeFolders(tmp / L"withoutanswer");
    std::vector<std::wstring> list;
    ListSubfolders(tmp.Path(), list);
    EXPECT_EQ(list, (std::vector<std::wstring>{tmp / L"withoutanswer"}));
}

TEST(CopyFileKeepDate, CopiesContentAndTimeAtTwoSecondResolution) {
    TempFolder tmp;
    std::string content(3 * (1 << 20) + 12345, '\0');
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7 + i / 4096);
    WriteBytes(tmp / L"src.bin", content);
    SetLastWriteTime(tmp / L"src.bin", 2015, 6, 12, 10, 20, 31);
    SetFileAttributesW((tmp / L"src.bin").c_str(), FILE_ATTRIBUTE_READONLY);

    ASSERT_TRUE(CopyFileKeepDate(tmp / L"src.bin", tmp / L"dst.bin"));
    EXPECT_EQ(ReadBytes(tmp / L"dst.bin"), content);
    SYSTEMTIME t = LocalTimeOf(LastWriteTime(tmp / L"dst.bin"));
    EXPECT_EQ(t.wYear, 2015);
    EXPECT_EQ(t.wMonth, 6);
    EXPECT_EQ(t.wDay, 12);
    EXPECT_EQ(t.wHour, 10);
    EXPECT_EQ(t.wMinute, 20);
    EXPECT_EQ(t.wSecond, 30) << "odd seconds round down to even";
    EXPECT_FALSE(GetFileAttributesW((tmp / L"dst.bin").c_str()) & FILE_ATTRIBUTE_READONLY)
        << "the source's attributes are not carried over";
}

TEST(CopyFileKeepDate, TimeBefore1980LeavesTheCopysOwnTime) {
    TempFolder tmp;
    WriteBytes(tmp / L"old.txt", "old");
    SetLastWriteTime(tmp / L"old.txt", 1975, 3, 1, 12, 0, 0);
    FILETIME before;
    GetSystemTimeAsFileTime(&before);
    EXPECT_TRUE(CopyFileKeepDate(tmp / L"old.txt", tmp / L"copy.txt"));
    EXPECT_EQ(ReadBytes(tmp / L"copy.txt"), "old");
    EXPECT_GE(LocalTimeOf(LastWriteTime(tmp / L"copy.txt")).wYear, 2020);
}

TEST(CopyFileKeepDate, MissingSourceRaisesAndCreatesNoTarget) {
    TempFolder tmp;
    try {
        CopyFileKeepDate(tmp / L"missing.bin", tmp / L"dst.bin");
        FAIL() << "no error raised";
    } catch (const ui::EOSError& e) {
        EXPECT_NE(e.Message.find(tmp / L"missing.bin"), std::wstring::npos) << Utf8(e.Message);
    }
    EXPECT_FALSE(IsFile(tmp / L"dst.bin"));
}

TEST(CopyFileKeepDate, TargetThatCannotBeCreatedRaises) {
    TempFolder tmp;
    WriteBytes(tmp / L"src.txt", "x");
    EXPECT_THROW(CopyFileKeepDate(tmp / L"src.txt", tmp / L"no\\such\\folder\\dst.txt"), ui::EOSError);
}

TEST(CopyFileIntoPlace, GivesTheWholeFileItsTimeAndLeavesNoTemporaryFile) {
    TempFolder tmp;
    std::string content(300000, 'd');
    WriteBytes(tmp / L"src.fdb", content);
    SetLastWriteTime(tmp / L"src.fdb", 2015, 6, 12, 10, 20, 31);
    ASSERT_TRUE(CopyFileIntoPlace(tmp / L"src.fdb", tmp / L"dst.fdb"));
    EXPECT_EQ(ReadBytes(tmp / L"dst.fdb"), content);
    EXPECT_EQ(LocalTimeOf(LastWriteTime(tmp / L"dst.fdb")).wSecond, 30);
    EXPECT_FALSE(IsFile(tmp / L"dst.fdb.tmp"));
}

TEST(CopyFileIntoPlace, NeverReplacesAFileThatStandsThere) {
    TempFolder tmp;
    WriteBytes(tmp / L"src.fdb", "new");
    WriteBytes(tmp / L"dst.fdb", "the clinic's records");
    EXPECT_FALSE(CopyFileIntoPlace(tmp / L"src.fdb", tmp / L"dst.fdb"));
    EXPECT_EQ(ReadBytes(tmp / L"dst.fdb"), "the clinic's records");
    EXPECT_FALSE(IsFile(tmp / L"dst.fdb.tmp"));
}

TEST(CopyFileIntoPlace, CopyFailingForWantOfSpaceLeavesNeitherTheFileNorItsTemporary) {
    TempFolder tmp, disk(L"t", SmallDisk());
    WriteBytes(tmp / L"big.fdb", std::string(12 << 20, 'b'));
    EXPECT_FALSE(CopyFileIntoPlace(tmp / L"big.fdb", disk / L"big.fdb"));
    DWORD error = GetLastError();
    EXPECT_TRUE(error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) << error;
    EXPECT_FALSE(IsFile(disk / L"big.fdb"));
    EXPECT_FALSE(IsFile(disk / L"big.fdb.tmp"));
}

TEST(CopyFileIntoPlace, MissingSourceRaisesAndCreatesNothing) {
    TempFolder tmp;
    EXPECT_THROW(CopyFileIntoPlace(tmp / L"missing.fdb", tmp / L"dst.fdb"), ui::EOSError);
    EXPECT_FALSE(IsFile(tmp / L"dst.fdb"));
    EXPECT_FALSE(IsFile(tmp / L"dst.fdb.tmp"));
}

TEST(CopyFolderTree, ReportsEachFileItSkippedAndCopiesTheRest) {
    TempFolder tmp;
    std::wstring src = tmp / L"src";
    MakeFolders(src + L"\\sub");
    WriteBytes(src + L"\\a.txt", "a");
    WriteBytes(src + L"\\locked.bin", "unreadable");
    WriteBytes(src + L"\\sub\\b.txt", "b");
    HeldFile held(src + L"\\locked.bin");
    std::vector<std::pair<std::wstring, unsigned long>> skipped;
    CopyFolderTree(src, tmp / L"dst", [&](const std::wstring& file, unsigned long error) {
        skipped.emplace_back(file, error);
    });
    EXPECT_EQ(skipped, (std::vector<std::pair<std::wstring, unsigned long>>{
                           {tmp / L"dst\\locked.bin", ERROR_SHARING_VIOLATION}}));
    EXPECT_EQ(ReadBytes(tmp / L"dst\\a.txt"), "a");
    EXPECT_EQ(ReadBytes(tmp / L"dst\\sub\\b.txt"), "b");
}

TEST(FolderTreeTargets, NamesWhatTheTreeCopyWouldWrite) {
    TempFolder tmp;
    MakeFolders(tmp / L"src\\sub");
    MakeFolders(tmp / L"src\\secret");
    SetFileAttributesW((tmp / L"src\\secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const wchar_t* file : {L"src\\Updater.exe", L"src\\sub\\part.dll", L"src\\secret\\x.txt"})
        WriteBytes(tmp / file, "x");
    EXPECT_EQ(FolderTreeTargets(tmp / L"src", L"C:\\Holter\\"),
              (std::vector<std::wstring>{L"C:\\Holter\\Updater.exe", L"C:\\Holter\\sub\\part.dll"}));
    EXPECT_FALSE(FolderExists(L"C:\\Holter")) << "nothing is created";
}

TEST(RemoveFolderTree, RemovesEverythingInsideButNothingALinkLeadsTo) {
    TempFolder tmp;
    std::wstring tree = tmp / L"FTDIDriverInstall";
    MakeFolders(tree + L"\\amd64\\deep");
    WriteBytes(tree + L"\\old.inf", "old");
    WriteBytes(tree + L"\\hidden.sys", "h");
    WriteBytes(tree + L"\\amd64\\deep\\ro.sys", "ro");
    SetFileAttributesW((tree + L"\\hidden.sys").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesW((tree + L"\\amd64\\deep\\ro.sys").c_str(), FILE_ATTRIBUTE_READONLY);
    RemoveFolderTree(tree);
    EXPECT_FALSE(FolderExists(tree));
    RemoveFolderTree(tree);  // nothing there: nothing to do

    // build\fixtures\link-out: tree\link leads to outside\, made by the test set-up.
    // Windows removes the link itself; Wine refuses to remove a link to a folder that
    // is not empty, and the removal then raises naming it. Either way what the link
    // leads to stays.
    std::wstring fixture = BuildFolder() + L"fixtures\\link-out\\";
    ASSERT_TRUE(IsFile(fixture + L"tree\\link\\keep.txt")) << "the link fixture is missing";
    try {
        RemoveFolderTree(fixture + L"tree");
        EXPECT_FALSE(FolderExists(fixture + L"tree"));
    } catch (const ui::EOSError& e) {
        EXPECT_NE(e.Message.find(fixture + L"tree\\link"), std::wstring::npos) << Utf8(e.Message);
    }
    EXPECT_EQ(ReadBytes(fixture + L"outside\\keep.txt"), "keep\n");
}

TEST(RemoveFolderTree, AFileThatCannotBeRemovedRaisesNamingIt) {
    TempFolder tmp;
    MakeFolders(tmp / L"tree");
    WriteBytes(tmp / L"tree\\busy.exe", "x");
    HeldFile held(tmp / L"tree\\busy.exe");
    try {
        RemoveFolderTree(tmp / L"tree");
        FAIL() << "no error raised";
    } catch (const ui::EOSError& e) {
        EXPECT_NE(e.Message.find(tmp / L"tree\\busy.exe"), std::wstring::npos) << Utf8(e.Message);
    }
}

TEST(FileInUse, OnlyAFileThatAnotherHoldsAgainstWritingIsInUse) {
    TempFolder tmp;
    for (const wchar_t* name : {L"free.dll", L"ro.dll", L"held.dll", L"read.dll"}) WriteBytes(tmp / name, "x");
    SetFileAttributesW((tmp / L"ro.dll").c_str(), FILE_ATTRIBUTE_READONLY);
    HeldFile held(tmp / L"held.dll");
    ui::FileHandle reader(CreateFileW((tmp / L"read.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(FileInUse(tmp / L"free.dll"));
    EXPECT_FALSE(FileInUse(tmp / L"ro.dll"));
    EXPECT_FALSE(FileInUse(tmp / L"missing.dll"));
    EXPECT_TRUE(FileInUse(tmp / L"held.dll"));
    EXPECT_TRUE(FileInUse(tmp / L"read.dll")) << "a reader that shares no writing keeps the file";
}

TEST(CopyFolderTree, CopiesFilesThenSubfoldersAndSkipsHiddenFolders) {
    TempFolder tmp;
    std::wstring src = tmp / L"src";
    MakeFolders(src + L"\\sub\\deeper");
    MakeFolders(src + L"\\secret");
    WriteBytes(src + L"\\plain.txt", "plain");
    WriteBytes(src + L"\\hidden.txt", "hidden");
    WriteBytes(src + L"\\ro.txt", "ro");
    WriteBytes(src + L"\\sub\\deeper\\leaf.txt", "leaf");
    WriteBytes(src + L"\\secret\\inside.txt", "inside");
    SetFileAttributesW((src + L"\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((src + L"\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((src + L"\\secret").c_str(), FILE_ATTRIBUTE_HIDDEN);

    CopyFolderTree(src, tmp / L"dst\\new");
    std::wstring dst = tmp / L"dst\\new";
    EXPECT_EQ(ReadBytes(dst + L"\\plain.txt"), "plain");
    EXPECT_EQ(ReadBytes(dst + L"\\hidden.txt"), "hidden");
    EXPECT_EQ(ReadBytes(dst + L"\\sub\\deeper\\leaf.txt"), "leaf");
    EXPECT_TRUE(GetFileAttributesW((dst + L"\\ro.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(FolderExists(dst + L"\\secret"));
}

TEST(CopyFolderTree, MissingSourceGivesAnEmptyTarget) {
    TempFolder tmp;
    CopyFolderTree(tmp / L"missing", tmp / L"dst");
    EXPECT_TRUE(FolderExists(tmp / L"dst"));
    std::vector<std::wstring> none;
    ListSubfolders(tmp / L"dst\\", none);
    EXPECT_TRUE(none.empty());
}

TEST(CopyFolderTree, TargetWithTrailingBackslashGetsTheFilesDirectly) {
    TempFolder tmp;
    MakeFolders(tmp / L"src");
    WriteBytes(tmp / L"src\\a.txt", "a");
    CopyFolderTree(tmp / L"src", tmp / L"dst\\");
    EXPECT_EQ(ReadBytes(tmp / L"dst\\a.txt"), "a");
}

// build\fixtures\link-loop\src holds a.txt and "loop", a link back to src itself,
// made by the build (Wine makes no links of its own).
TEST(CopyFolderTree, DoesNotFollowALinkBackToItsParent) {
    TempFolder tmp;
    std::wstring src = BuildFolder() + L"fixtures\\link-loop\\src";
    ASSERT_TRUE(IsFile(src + L"\\loop\\loop\\a.txt")) << "the link fixture is missing";
    CopyFolderTree(src, tmp / L"dst");
    EXPECT_EQ(ReadBytes(tmp / L"dst\\a.txt"), "a");
    EXPECT_FALSE(FolderExists(tmp / L"dst\\loop\\loop"));
}

TEST(ShellCopyFolder, CopiesIntoANewFolderWithItsSubfoldersWithoutQuestions) {
    TempFolder tmp;
    MakeFolders(tmp / L"src\\amd64");
    WriteBytes(tmp / L"src\\driver.exe", "driver");
    WriteBytes(tmp / L"src\\driver.inf", "inf");
    WriteBytes(tmp / L"src\\amd64\\driver.sys", "sys");
    EXPECT_TRUE(ShellCopyFolder(tmp / L"src\\", tmp / L"dst\\"));
    EXPECT_EQ(ReadBytes(tmp / L"dst\\driver.exe"), "driver");
    EXPECT_EQ(ReadBytes(tmp / L"dst\\driver.inf"), "inf");
    EXPECT_EQ(ReadBytes(tmp / L"dst\\amd64\\driver.sys"), "sys");
}

TEST(ShellCopyFolder, OntoExistingFilesAsksAndCancelGivesFalse) {
    TempFolder tmp;
    MakeFolders(tmp / L"src");
    MakeFolders(tmp / L"dst\\src");
    WriteBytes(tmp / L"src\\a.txt", "new");
    WriteBytes(tmp / L"dst\\src\\a.txt", "old");
    {
        robot::BoxAnswers yes(GetCurrentProcessId(), IDYES);
        EXPECT_TRUE(ShellCopyFolder(tmp / L"src", tmp / L"dst"));
        EXPECT_GE(yes.Texts().size(), 1u);
    }
    EXPECT_EQ(ReadBytes(tmp / L"dst\\src\\a.txt"), "new") << "an existing target folder receives the folder";

    WriteBytes(tmp / L"dst\\src\\a.txt", "old");
    {
        robot::BoxAnswers cancel(GetCurrentProcessId(), IDCANCEL);
        EXPECT_FALSE(ShellCopyFolder(tmp / L"src", tmp / L"dst"));
        EXPECT_GE(cancel.Texts().size(), 1u);
    }
    EXPECT_EQ(ReadBytes(tmp / L"dst\\src\\a.txt"), "old");
}

TEST(RunAndWait, CommandLinesAsBuilt) {
    EXPECT_EQ(RunAndWaitCommandLine(L"C:\\Holter\\x.exe", L""), L"C:\\Holter\\x.exe ");
    EXPECT_EQ(RunAndWaitCommandLine(L"C:\\Program Files\\Holter\\x.exe", L"/s a b"),
              L"\"C:\\Program Files\\Holter\\x.exe\" /s a b");
    EXPECT_EQ(RunAndWaitCommandLine(L"\"C:\\Program Files\\x.exe\"", L"-q"), L"\"C:\\Program Files\\x.exe\" -q");
}

TEST(RunAndWait, RunsInTheProgramsFolderAndReturnsItsExitCode) {
    TempFolder tmp;
    std::wstring folder = tmp / L"with blank\\";
    std::wstring probe = PlaceProbe(folder);
    EXPECT_EQ(RunAndWait(probe, L"exit=7", SW_HIDE), 7u);
    std::wstring trace = ProbeTrace(folder);
    EXPECT_NE(trace.find(L"cmdline=\"" + probe + L"\" exit=7\r\n"), std::wstring::npos) << Utf8(trace);
    EXPECT_NE(trace.find(L"cwd=" + folder.substr(0, folder.size() - 1) + L"\r\n"), std::wstring::npos) << Utf8(trace);
    EXPECT_NE(trace.find(L"show=0\r\n"), std::wstring::npos) << Utf8(trace);
}

TEST(RunAndWait, EmptyArgumentsLeaveOneSpace) {
    TempFolder tmp;
    std::wstring probe = PlaceProbe(tmp.Path());
    EXPECT_EQ(RunAndWait(probe, L"", SW_HIDE), 0u);
    EXPECT_NE(ProbeTrace(tmp.Path()).find(L"cmdline=" + probe + L" \r\n"), std::wstring::npos);
}

TEST(RunAndWait, FailedStartRaisesWithTheProgramPath) {
    TempFolder tmp;
    try {
        RunAndWait(tmp / L"missing.exe", L"", SW_HIDE);
        FAIL() << "no error raised";
    } catch (const ui::Exception& e) {
        EXPECT_EQ(e.Message, L"не смог создать процесс: " + (tmp / L"missing.exe"));
    }
}

TEST(RunAndWait, CommandLineOverItsBufferRaisesAndStartsNothing) {
    TempFolder tmp;
    std::wstring probe = PlaceProbe(tmp.Path());
    std::wstring args(511 - probe.size(), L'a');  // one character over with the space
    try {
        RunAndWait(probe, args, SW_HIDE);
        FAIL() << "no error raised";
    } catch (const ui::Exception& e) {
        EXPECT_NE(e.Message.find(probe), std::wstring::npos);
    }
    EXPECT_FALSE(IsFile(tmp / L"probe-trace.txt"));
    args.pop_back();
    EXPECT_EQ(RunAndWait(probe, args, SW_HIDE), 0u);
}

TEST(RunThroughShell, StartsHiddenInTheCurrentFolderAndWaitsForTheEnd) {
    TempFolder tmp;
    std::wstring probe = PlaceProbe(tmp / L"with blank\\");
    EXPECT_EQ(RunThroughShell(probe, SW_HIDE), 0u);
    ASSERT_TRUE(IsFile(tmp / L"with blank\\probe-trace.txt")) << "the program had ended when the call returned";
    std::wstring trace = ProbeTrace(tmp / L"with blank\\");
    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    EXPECT_NE(trace.find(std::wstring(L"cwd=") + cwd + L"\r\n"), std::wstring::npos) << Utf8(trace);
    EXPECT_NE(trace.find(L"show=0\r\n"), std::wstring::npos) << Utf8(trace);
}

TEST(RunThroughShell, AProgramThatCannotBeStartedGivesTheSystemsError) {
    TempFolder tmp;
    EXPECT_EQ(RunThroughShell(tmp / L"missing.exe", SW_HIDE), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
}

TEST(SetReadOnly, SetsAndClearsOnlyThatBitAndIgnoresMissingFiles) {
    TempFolder tmp;
    WriteBytes(tmp / L"f.txt", "x");
    SetFileAttributesW((tmp / L"f.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    DWORD before = GetFileAttributesW((tmp / L"f.txt").c_str());
    ASSERT_TRUE(before & FILE_ATTRIBUTE_HIDDEN);
    SetReadOnly(tmp / L"f.txt", true);
    EXPECT_EQ(GetFileAttributesW((tmp / L"f.txt").c_str()), before | FILE_ATTRIBUTE_READONLY);
    SetReadOnly(tmp / L"f.txt", false);
    EXPECT_EQ(GetFileAttributesW((tmp / L"f.txt").c_str()), before);
    SetReadOnly(tmp / L"missing.txt", true);
    EXPECT_FALSE(IsFile(tmp / L"missing.txt"));
}
