// Whole installations through the real Install.exe from a generated distribution.
#include <shlobj.h>

#include <cstring>

#include "InstallRobot.h"
#include "ui/Exception.h"

using namespace testing_support;

namespace {

const std::vector<std::wstring> kServerList0 = {
    L"aliases.conf", L"firebird.conf", L"fbclient.Dll", L"ib_util.Dll", L"icudt30.Dll", L"icuin30.Dll",
    L"icuuc30.Dll",  L"msvcp80.Dll",   L"msvcr80.Dll",  L"firebird.msg", L"gbak.exe",   L"gds32.dll"};

std::vector<std::wstring> ExpectedLog(const std::vector<std::wstring>& server, bool driver) {
    std::vector<std::wstring> log = {L"Создание настроечных файлов....Завершено", L"Каталог <DTAfb> создан...",
                                     CopyLine(L"RKDB.FDB")};
    for (const auto& n : server) log.push_back(CopyLine(n));
    for (const wchar_t* n : {L"fbintl.conf", L"fbintl.dll", L"fbudf.dll", L"ib_udf.dll", L"fbudf.sql", L"ib_udf.sql",
                             L"ib_udf2.sql", L"udf1.dll", L"udf2.dll", L"udf3.dll", L"udf4.dll"})
        log.push_back(CopyLine(n));
    for (const wchar_t* font : {L"Liberation Sans", L"Liberation Sans Narrow", L"Liberation Mono", L"FreeSans",
                                L"DejaVu Sans", L"Liberation Serif", L"DejaVu Sans Condensed"})
        log.push_back(L"Шрифт <" + std::wstring(font) + L"> уcтановлен");
    if (driver) {
        log.push_back(L"Началась установка драйверов устройства...");
        log.push_back(L"Установка драйверов устройства завершена");
    }
    return log;
}

class InstallRunCom : public InstallRun {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

}  // namespace

TEST_F(InstallRunCom, CompleteInstallationIntoANewFolder) {
    Layout();
    BeginInstall();
    AnswerDriver(IDYES);
    ASSERT_TRUE(WaitFontSizePage()) << "at 96 dpi the installation ends on the font size page";
    EXPECT_EQ(robot::FindTopWindow(process.Id(), L"#32770"), nullptr) << "no closing question at 96 dpi";
    EXPECT_TRUE(robot::IsEnabled(Control(L"BtnExit")));
    EXPECT_EQ(Log(), ExpectedLog(kServerList0, true));

    EXPECT_EQ(ReadBytes(target + L"DTAfb\\RKDB.FDB"), ReadBytes(dist + L"DTAfb\\RKDB.FDB"));
    for (const auto& n : kServerList0) EXPECT_EQ(ReadBytes(target + n), ReadBytes(dist + L"Firebird\\" + n));
    EXPECT_TRUE(IsFile(target + L"intl\\fbintl.dll"));
    for (const wchar_t* n : {L"fbudf.dll", L"ib_udf2.sql", L"udf1.dll", L"udf4.dll"}) EXPECT_TRUE(IsFile(target + L"udf\\" + n));
    EXPECT_EQ(ReadBytes(target + L"Settings\\holter.ini"), "[options]\r\nFilterType=0\r\nHardwareType=1\r\n\r\n");
    EXPECT_EQ(ReadBytes(target + L"Settings\\uca.nsi"), std::string(840, '\0'));
    EXPECT_EQ(ReadBytes(target + L"Settings\\wra.nsi"), std::string(840, '\0'));
    EXPECT_EQ(ReadBytes(target + L"Settings\\lastnum.dta").size(), 14u);
    EXPECT_FALSE(IsFile(target + L"btooth.ini"));

    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(ReadBytes(std::wstring(windows) + L"\\Fonts\\TAHOMA.TTF"), ReadBytes(dist + L"fonts\\TAHOMA.TTF"));
    EXPECT_EQ(FontValue(L"DejaVu Sans (TrueType)"), L"TAHOMA.TTF");

    EXPECT_TRUE(IsFile(target + L"backup\\R010713\\Install.cmd"));
    EXPECT_FALSE(IsFile(target + L"backup\\R010713\\installed.txt")) << "only the newest release is installed";
    std::string ran = ReadBytes(target + L"backup\\R120615\\installed.txt");
    EXPECT_NE(ran.find("R120615"), std::string::npos) << ran;
    // The command interpreter of the installer's own word size: under WOW64 the
    // 32-bit one, which sees the 32-bit system folder and registry view.
    EXPECT_NE(ran.find("arch=x86\r\n"), std::string::npos) << ran;
    std::string info = ReadBytes(target + L"ReleaseInfo");
    EXPECT_NE(info.find("<Level>120615</Level>"), std::string::npos) << info;
    EXPECT_FALSE(GetFileAttributesW((target + L"ReleaseInfo").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(GetFileAttributesW((target + L"Updater.exe.cfg").c_str()) & FILE_ATTRIBUTE_READONLY);

    std::string driver = ReadBytes(target + L"FTDIDriverInstall\\probe-trace.txt");
    EXPECT_NE(driver.find("show=0"), std::string::npos) << driver;

    TLinkInfo link = ReadShellLink(LinkPath());
    EXPECT_EQ(link.Path, target + L"Ritmikon.exe");
    EXPECT_EQ(link.WorkingFolder, target);
    EXPECT_EQ(link.Description, L"Комплекс суточного мониторирования электрокардиограмм \"Ритмикон - Холтер\"");

    robot::Click(Control(L"BtnExitOnChangefont"));
    EXPECT_TRUE(process.WaitExit(10000)) << "Выход on the font size page closes at once";
}

TEST_F(InstallRun, SecondServerListAndNoDriver) {
    Layout();
    BeginInstall([&] {
        SendMessageW(Control(L"CBWindows"), CB_SETCURSEL, 1, 0);
        UncheckDriver();
    });
    ASSERT_TRUE(WaitFontSizePage());
    std::vector<std::wstring> server = {L"aliases.conf", L"firebird.conf", L"fbclient.Dll", L"ib_util.Dll",
                                        L"icudt30.Dll",  L"icuin30.Dll",   L"icuuc30.Dll",  L"msvcp71.Dll",
                                        L"msvcr71.Dll",  L"firebird.msg"};
    EXPECT_EQ(Log(), ExpectedLog(server, false));
    EXPECT_TRUE(IsFile(target + L"msvcr71.Dll"));
    EXPECT_FALSE(IsFile(target + L"msvcr80.Dll"));
    EXPECT_FALSE(IsFile(target + L"gbak.exe"));
    EXPECT_FALSE(IsFile(target + L"gds32.dll"));
    EXPECT_FALSE(IsFolder(target + L"FTDIDriverInstall"));
}

TEST_F(InstallRun, DriverAnsweredNoAddsNoDriverLines) {
    Layout();
    BeginInstall();
    AnswerDriver(IDNO);
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_EQ(Log(), ExpectedLog(kServerList0, false));
}

TEST_F(InstallRun, DriverMissingOnTheMediumIsLoggedAsNotStarted) {
    TDistributionOptions options;
    options.WithDriver = false;
    Layout(options);
    BeginInstall();
    AnswerDriver(IDYES);
    ASSERT_TRUE(WaitFontSizePage());
    std::vector<std::wstring> expected = ExpectedLog(kServerList0, true);
    // The medium had no driver folder, so neither has the target.
    expected.back() = L"Установщик драйверов устройства не запущен: " + ui::SystemErrorMessage(ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(Log(), expected);
}

TEST_F(InstallRun, SecondRunKeepsTheSeededFilesAndTheOtherSettings) {
    Layout();
    MakeFolders(target + L"Settings\\");
    WriteBytes(target + L"Settings\\holter.ini", "[Common]\r\nClinic=5\r\n\r\n[options]\r\nFilterType=7\r\n");
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_NE(Log().at(0), L"Каталог создан...");
    EXPECT_EQ(ReadBytes(target + L"Settings\\holter.ini"),
              "[Common]\r\nClinic=5\r\n\r\n[options]\r\nFilterType=0\r\nHardwareType=1\r\n\r\n");
    std::string uca = ReadBytes(target + L"Settings\\uca.nsi"), lastnum = ReadBytes(target + L"Settings\\lastnum.dta");
    process = robot::Process();

    std::string changed = uca;
    changed[0] = '\x03';
    WriteBytes(target + L"Settings\\uca.nsi", changed);
    WriteBytes(target + L"Settings\\holter.ini", "[options]\r\nFilterType=9\r\nHardwareType=4\r\n");
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_EQ(ReadBytes(target + L"Settings\\uca.nsi"), changed);
    EXPECT_EQ(ReadBytes(target + L"Settings\\lastnum.dta"), lastnum);
    EXPECT_EQ(ReadBytes(target + L"Settings\\holter.ini"), "[options]\r\nFilterType=0\r\nHardwareType=1\r\n\r\n");
    EXPECT_EQ(Log().at(1), L"Файл RKDB.FDB уже есть, оставлен без изменений") << "DTAfb\\ exists: no folder line";
}

TEST_F(InstallRun, MissingDatabaseEndsWithTheOpenError) {
    TDistributionOptions options;
    options.WithDatabase = false;
    Layout(options);
    BeginInstall();
    HWND box = robot::WaitMessageBox(process.Id(), 30000);
    ASSERT_NE(box, nullptr);
    std::wstring message = robot::MessageText(box);
    EXPECT_NE(message.find(dist + L"DTAfb\\RKDB.FDB"), std::wstring::npos) << Utf8(message);
    robot::Press(box, IDOK);
    ASSERT_TRUE(robot::WaitFor([&] { return !IsWindow(box); }));
    std::vector<std::wstring> log = Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), L"Копирование файла RKDB.FDB....");
    EXPECT_FALSE(robot::IsEnabled(Control(L"BtnExit")));
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(process.WaitExit(10000)) << "closing is allowed again";
}

TEST_F(InstallRun, DatabaseCopyFailingForWantOfSpaceLeavesNoDatabaseAndStops) {
    TDistributionOptions options;
    options.DatabaseBytes = int64_t{16} << 20;  // twice the small disk
    Layout(options);
    TempFolder disk(L"h", SmallDisk());
    target = disk / L"Holter\\";
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(robot::WaitFor([&] {
        auto log = Log();
        return !log.empty() && log.back() == CopyLine(L"RKDB.FDB", L"ОШИБКА!!!");
    }, 30000));
    Sleep(500);
    EXPECT_EQ(Log().back(), CopyLine(L"RKDB.FDB", L"ОШИБКА!!!"));
    EXPECT_EQ(Snapshot(target + L"DTAfb\\"), TSnapshot{}) << "neither the database nor its temporary file";
    EXPECT_FALSE(IsFile(target + L"aliases.conf"));
    EXPECT_FALSE(robot::IsEnabled(Control(L"BtnExit")));
    EXPECT_EQ(robot::FindTopWindow(process.Id(), L"#32770"), nullptr);
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(process.WaitExit(10000)) << "closing is allowed again";
}

TEST_F(InstallRun, InstallationKilledDuringTheDatabaseCopyEndsAsAnUninterruptedOneWhenRunAgain) {
    TDistributionOptions options;
    options.DatabaseBytes = int64_t{256} << 20;
    Layout(options);
    BeginInstall([&] { UncheckDriver(); });
    std::wstring temporary = target + L"DTAfb\\RKDB.FDB.tmp";
    ASSERT_TRUE(robot::WaitFor([&] { return IsFile(temporary); }, 30000));
    TerminateProcess(process.Handle(), 1);  // a power cut mid-copy
    ASSERT_TRUE(process.WaitExit(10000));
    ASSERT_TRUE(IsFile(temporary));
    ASSERT_FALSE(IsFile(target + L"DTAfb\\RKDB.FDB"));

    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    TSnapshot resumed = Snapshot(target);
    process = robot::Process();
    target = root / L"Uninterrupted\\";
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    TSnapshot whole = Snapshot(target);
    // The date of the counter file and the folder that the release script notes differ.
    for (const wchar_t* varying : {L"Settings\\lastnum.dta", L"backup\\R120615\\installed.txt"}) {
        ASSERT_TRUE(resumed.count(varying) && whole.count(varying)) << Utf8(varying);
        resumed[varying].Bytes = whole[varying].Bytes = "";
    }
    EXPECT_EQ(resumed, whole);
}

TEST_F(InstallRun, InstallingAgainKeepsTheDatabaseAndReplacesTheDriverFolder) {
    Layout();
    BeginInstall();
    AnswerDriver(IDYES);
    ASSERT_TRUE(WaitFontSizePage());
    process = robot::Process();
    std::string records = ReadBytes(target + L"DTAfb\\RKDB.FDB") + "years of patient records";
    WriteBytes(target + L"DTAfb\\RKDB.FDB", records);
    WriteBytes(target + L"FTDIDriverInstall\\old.inf", "an older driver package");
    // A newer medium: another driver installer, and a package for 64-bit Windows.
    std::wstring driver = dist + L"FTDIDriverInstall\\";
    WriteBytes(driver + L"FTDIDriverInstall.exe", ReadBytes(driver + L"FTDIDriverInstall.exe") + "newer");
    MakeFolders(driver + L"amd64\\");
    WriteBytes(driver + L"amd64\\ftdibus.sys", "64-bit driver");

    BeginInstall();
    AnswerDriver(IDYES);
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_EQ(ReadBytes(target + L"DTAfb\\RKDB.FDB"), records);
    std::vector<std::wstring> log = Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], L"Файл RKDB.FDB уже есть, оставлен без изменений");
    EXPECT_EQ(log.back(), L"Установка драйверов устройства завершена");

    TSnapshot installed = Snapshot(target + L"FTDIDriverInstall\\");
    std::string trace = installed[L"probe-trace.txt"].Bytes;
    EXPECT_NE(trace.find("cmdline="), std::string::npos) << "the medium's driver installer ran";
    EXPECT_EQ(trace.find("cmdline="), trace.rfind("cmdline=")) << "once, in the new folder: " << trace;
    installed.erase(L"probe-trace.txt");
    EXPECT_EQ(installed, Snapshot(driver)) << "the installed driver folder is the medium's";
}

TEST_F(InstallRun, ProductLibraryThatFailsIsMarkedAndTheNextIsCopied) {
    Layout();
    target = BuildFolder() + L"fixtures\\disk-full\\";
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    std::vector<std::wstring> log = Log();
    auto at = std::find(log.begin(), log.end(), CopyLine(L"udf2.dll", L"ОШИБКА!!!"));
    ASSERT_NE(at, log.end());
    EXPECT_EQ(*(at + 1), CopyLine(L"udf3.dll"));
    EXPECT_EQ(ReadBytes(target + L"udf\\udf3.dll"), ReadBytes(dist + L"UDF\\udf3.dll"));
}

TEST_F(InstallRun, NoReleaseFolderEndsAfterTheUpdaterWithoutALink) {
    TDistributionOptions options;
    options.Releases.clear();
    Layout(options);
    BeginInstall([&] { UncheckDriver(); });
    HWND box = robot::WaitMessageBox(process.Id(), 60000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(robot::MessageText(box), L"List index out of bounds (0)");
    robot::Press(box, IDOK);
    EXPECT_TRUE(IsFile(target + L"ReleaseInfo")) << "the updater was copied before";
    EXPECT_FALSE(IsFile(LinkPath()));
    EXPECT_FALSE(robot::IsEnabled(Control(L"BtnExit")));
}

TEST_F(InstallRun, At120DotsPerInchTheClosingQuestionYesCloses) {
    Layout();
    SetResolution(120);
    BeginInstall([&] { UncheckDriver(); });
    HWND box = robot::WaitMessageBox(process.Id(), 60000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(robot::MessageText(box), L"Установка завершена. Выйти из программы установки?");
    robot::Press(box, IDYES);
    EXPECT_TRUE(process.WaitExit(10000));
}

TEST_F(InstallRun, At120DotsPerInchNoStaysOnTheProgressPage) {
    Layout();
    SetResolution(120);
    BeginInstall([&] { UncheckDriver(); });
    Answer(L"Установка завершена. Выйти из программы установки?", IDNO);
    EXPECT_TRUE(robot::IsVisible(Control(L"tsProgressInstall")));
    EXPECT_TRUE(robot::IsEnabled(Control(L"BtnExit")));
    robot::Click(Control(L"BtnExit"));
    EXPECT_TRUE(process.WaitExit(10000));
}

TEST_F(InstallRun, CloseIsRefusedWhileCopyingAndGrantedAfterwards) {
    TDistributionOptions options;
    options.DatabaseBytes = int64_t{256} << 20;
    Layout(options);
    BeginInstall([&] { UncheckDriver(); });
    // The log answers only while the installer serves messages between its copies,
    // all of them under the close lock.
    ASSERT_TRUE(robot::WaitFor([&] {
        auto log = Log();
        return std::find(log.begin(), log.end(), L"Каталог <DTAfb> создан...") != log.end();
    }, 30000));
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_TRUE(process.Running()) << "the close request during the copy was refused";
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(process.WaitExit(10000));
}

namespace {

// Gives the program's string table another product title (entry 1).
void ChangeTitle(const std::wstring& exe, const std::wstring& title) {
    HMODULE original = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    std::vector<WORD> block;  // ids 0 to 15: each a length and its characters
    for (UINT id = 0; id < 16; ++id) {
        wchar_t text[256];
        int n = LoadStringW(original, id, text, 256);
        std::wstring entry = id == 1 ? title : std::wstring(text, static_cast<size_t>(n));
        block.push_back(static_cast<WORD>(entry.size()));
        block.insert(block.end(), entry.begin(), entry.end());
    }
    FreeLibrary(original);
    HANDLE update = BeginUpdateResourceW(exe.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                block.data(), static_cast<DWORD>(block.size() * sizeof(WORD))));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
}

}  // namespace

TEST_F(InstallRun, GeliantEditionInAnyLetterCaseWritesBtoothIni) {
    Layout();
    ChangeTitle(dist + L"Install.exe", L"гелиант");
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_EQ(ReadBytes(target + L"btooth.ini"), "[Common]\r\nDisk=I\r\n\r\n");
    std::wstring link = LinkPath();
    DeleteFileW((link.substr(0, link.find_last_of(L'\\') + 1) + L"гелиант.lnk").c_str());
}

TEST_F(InstallRun, ShippedEditionLeavesAnExistingBtoothIniAlone) {
    Layout();
    MakeFolders(target);
    WriteBytes(target + L"btooth.ini", "[Common]\r\nDisk=C\r\n");
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    EXPECT_EQ(ReadBytes(target + L"btooth.ini"), "[Common]\r\nDisk=C\r\n");
}

namespace {

std::wstring SetupTrace() { return TempPath() + L"syssetup-trace.txt"; }

const wchar_t kRestartQuestion[] =
    L"Изменения в настройки внесены, для того чтобы они\r\nвступили в силу, требуется перзагрузить операционную "
    L"систему.\r\nВыполнить перезагрузку сейчас?";

}  // namespace

TEST_F(InstallRun, ChangeFontAnsweredNoKeepsThePageAndAsksAgain) {
    CopyFileTo(BinFolder() + L"syssetup.dll", SystemFolder() + L"syssetup.dll");
    DeleteFileW(SetupTrace().c_str());
    Layout();
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    for (int press = 1; press <= 2; ++press) {
        robot::Click(Control(L"BtnChangeFont"));
        Answer(kRestartQuestion, IDNO);
        EXPECT_TRUE(robot::IsVisible(Control(L"tsChangeFontSize")));
        EXPECT_TRUE(robot::IsEnabled(Control(L"BtnChangeFont")));
    }
    std::string trace = IsFile(SetupTrace()) ? ReadBytes(SetupTrace()) : "";
    std::wstring calls(reinterpret_cast<const wchar_t*>(trace.data()), trace.size() / sizeof(wchar_t));
    EXPECT_EQ(calls, L"owner=0 size=120\r\nowner=0 size=120\r\n");
    DeleteFileW((SystemFolder() + L"syssetup.dll").c_str());
    robot::Click(Control(L"BtnExitOnChangefont"));
    EXPECT_TRUE(process.WaitExit(10000));
}

TEST_F(InstallRun, ChangeFontWithoutTheSetupLibraryStillAsks) {
    ASSERT_FALSE(IsFile(SystemFolder() + L"syssetup.dll"));
    Layout();
    BeginInstall([&] { UncheckDriver(); });
    ASSERT_TRUE(WaitFontSizePage());
    robot::Click(Control(L"BtnChangeFont"));
    Answer(kRestartQuestion, IDNO);
    EXPECT_TRUE(robot::IsVisible(Control(L"tsChangeFontSize")));
}
