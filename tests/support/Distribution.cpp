#include "Distribution.h"

#include <windows.h>

#include "TestSupport.h"

using namespace testing_support;

const std::vector<const wchar_t*> kServerFiles = {
    L"aliases.conf", L"firebird.conf", L"fbclient.Dll", L"ib_util.Dll", L"icudt30.Dll", L"icuin30.Dll",
    L"icuuc30.Dll",  L"msvcp80.Dll",   L"msvcr80.Dll",  L"msvcp71.Dll", L"msvcr71.Dll", L"firebird.msg",
    L"gbak.exe",     L"gds32.dll"};
const std::vector<const wchar_t*> kCharsetFiles = {L"fbintl.conf", L"fbintl.dll"};
const std::vector<const wchar_t*> kServerUdfFiles = {L"fbudf.dll", L"ib_udf.dll", L"fbudf.sql", L"ib_udf.sql",
                                                     L"ib_udf2.sql"};
const std::vector<const wchar_t*> kProductUdfFiles = {L"udf1.dll", L"udf2.dll", L"udf3.dll", L"udf4.dll"};

const char* const kReleaseInfoDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ROOT>\r\n  <Version>1</Version>\r\n"
    "  <Level>000000</Level>\r\n</ROOT>\r\n";

namespace {

void StandIns(const std::wstring& folder, const std::vector<const wchar_t*>& names) {
    MakeFolders(folder);
    for (const wchar_t* name : names) WriteBytes(folder + name, "stand-in for " + Utf8(name) + "\r\n");
}

void Database(const std::wstring& path, int64_t bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string block(1 << 16, '\0');
    uint32_t x = 0x12345678;
    for (int64_t done = 0; done < bytes;) {
        for (char& c : block) {
            x = x * 1664525u + 1013904223u;
            c = static_cast<char>(x >> 24);
        }
        DWORD n = static_cast<DWORD>(std::min<int64_t>(bytes - done, static_cast<int64_t>(block.size()))), put = 0;
        WriteFile(h, block.data(), n, &put, nullptr);
        done += n;
    }
    CloseHandle(h);
}

}  // namespace

void MakeDistribution(const std::wstring& root, const TDistributionOptions& options) {
    MakeFolders(root);
    CopyFileTo(BinFolder() + L"Install.exe", root + L"Install.exe");
    MakeFolders(root + L"DTAfb\\");
    if (options.WithDatabase) Database(root + L"DTAfb\\RKDB.FDB", options.DatabaseBytes);
    StandIns(root + L"Firebird\\", kServerFiles);
    StandIns(root + L"Firebird\\intl\\", kCharsetFiles);
    StandIns(root + L"Firebird\\udf\\", kServerUdfFiles);
    StandIns(root + L"UDF\\", kProductUdfFiles);

    MakeFolders(root + L"fonts\\");
    std::wstring fonts = BuildFolder() + L"fixtures\\fonts\\";
    for (const wchar_t* name : {L"ARIAL.TTF", L"ARIALN.TTF", L"COUR.TTF", L"MICROSS.TTF", L"TAHOMA.TTF", L"TIMES.TTF",
                                L"verdana.TTF"})
        CopyFileTo(fonts + name, root + L"fonts\\" + name);

    if (options.WithDriver) {
        MakeFolders(root + L"FTDIDriverInstall\\");
        CopyFileTo(BinFolder() + L"Probe.exe", root + L"FTDIDriverInstall\\FTDIDriverInstall.exe");
    }

    MakeFolders(root + L"backup\\WithOutAnswer\\");
    for (const std::wstring& release : options.Releases) {
        MakeFolders(root + L"backup\\" + release + L"\\");
        WriteBytes(root + L"backup\\" + release + L"\\Install.cmd",
                   "@echo off\r\nrem Stand-in for the release's own install script.\r\necho %CD%> installed.txt\r\n"
                   "echo arch=%PROCESSOR_ARCHITECTURE%>> installed.txt\r\n");
        WriteBytes(root + L"backup\\" + release + L"\\Ritmikon.exe", "stand-in for the suite's main program\r\n");
    }

    MakeFolders(root + L"Updater\\");
    WriteBytes(root + L"Updater\\ReleaseInfo", kReleaseInfoDocument);
    WriteBytes(root + L"Updater\\Updater.exe.cfg", "[Updater]\r\nServer=updates.example.invalid\r\n");
    for (const wchar_t* name : {L"ReleaseInfo", L"Updater.exe.cfg"})
        SetFileAttributesW((root + L"Updater\\" + name).c_str(), FILE_ATTRIBUTE_READONLY);
}
