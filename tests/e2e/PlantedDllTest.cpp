// Nothing planted beside Install.exe runs inside it. Wine's loader reports every
// library a process loads (WINEDEBUG=+loaddll) to the log that
// scripts/planted-dll-test keeps. The test lists what the wizard loads during a
// complete installation, plants a marker library beside it under each name that is
// not a known DLL of Windows 7 SP1, tells Wine to prefer a library beside the program
// for those names (as Windows does for any name that is not a known DLL), and runs
// the installation again: no marker may be loaded.
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "InstallRobot.h"
#include "KnownDlls.h"

#include <commctrl.h>

using namespace testing_support;

namespace {

using TNames = std::set<std::string>;

std::string Joined(const TNames& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text;
}

std::wstring LoaderLog() {
    wchar_t name[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"PLANTED_LOADER_LOG", name, MAX_PATH);
    return BuildFolder() + name;
}

size_t LogSize() { return IsFile(LoaderLog()) ? ReadBytes(LoaderLog()).size() : 0; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
        at = end + 1;
    }
    return lines;
}

// The full paths, in lower case, of the libraries the process loaded, from what the
// loader reported after `from` bytes of the log. With +pid each line starts with the
// process id; the loader doubles each backslash.
TNames LoadedBy(DWORD pid, size_t from) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(pid));
    const std::string loaded = " Loaded L\"";
    TNames paths;
    for (const std::string& line : Lines(ReadBytes(LoaderLog()).substr(from))) {
        size_t open = line.find(loaded);
        if (!line.starts_with(prefix) || line.find(":trace:loaddll:") == std::string::npos || open == std::string::npos)
            continue;
        open += loaded.size();
        std::string reported = line.substr(open, line.find('"', open) - open), path;
        for (size_t at = 0; at < reported.size(); ++at) {
            path += reported[at];
            if (reported[at] == '\\' && at + 1 < reported.size() && reported[at + 1] == '\\') ++at;
        }
        paths.insert(Lower(path));
    }
    return paths;
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// The paths that lie in the folder (which ends with a backslash), the program excepted.
TNames In(const TNames& paths, const std::wstring& folder) {
    TNames inside;
    for (const std::string& path : paths)
        if (path.starts_with(Lower(Utf8(folder))) && !path.ends_with(".exe")) inside.insert(path);
    return inside;
}

// The file names of the libraries that Windows looks for beside the program first.
TNames NotKnown(const TNames& paths) {
    TNames names;
    for (const std::string& path : paths)
        if (!path.ends_with(".exe") && !IsKnownDllOfWindows7(FileName(path))) names.insert(FileName(path));
    return names;
}

// Wine's loader settings for the programs started from now on: a report of every
// load, and a library beside the program preferred for each of the names.
void SetLoaderSettings(const TNames& preferBeside) {
    static const std::wstring original = [] {
        wchar_t value[1024] = L"";
        GetEnvironmentVariableW(L"WINEDLLOVERRIDES", value, 1024);
        return std::wstring(value);
    }();
    std::wstring overrides = original;
    if (!preferBeside.empty()) {
        std::string names = Joined(preferBeside);
        std::replace(names.begin(), names.end(), ' ', ',');
        overrides += (overrides.empty() ? L"" : L";") + std::wstring(names.begin(), names.end()) + L"=n,b";
    }
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", overrides.c_str());
    SetEnvironmentVariableW(L"WINEDEBUG", L"+pid,+loaddll");
}

void Plant(const std::wstring& folder, const TNames& names) {
    for (const std::string& name : names)
        CopyFileTo(BinFolder() + L"PlantedMarker.dll", folder + std::wstring(name.begin(), name.end()));
}

// The names of the markers in the folder that were loaded, as they noted them.
std::string Fired(const std::wstring& folder) {
    std::wstring file = folder + L"planted.txt";
    if (!IsFile(file)) return "";
    std::string bytes = ReadBytes(file);
    return Utf8(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t)));
}

// What the least windowed program loads from beside itself when Wine is told to
// prefer that: Wine's own system libraries load these names for any program.
TNames WinesOwn() {
    TempFolder folder(L"min");
    std::wstring exe = folder / L"MinimalWindow.exe";
    CopyFileTo(BinFolder() + L"MinimalWindow.exe", exe);
    auto run = [&](const TNames& prefer) {
        SetLoaderSettings(prefer);
        size_t from = LogSize();
        robot::Process minimal = robot::Launch(exe, folder.Path());
        EXPECT_TRUE(minimal.WaitExit(30000)) << "the minimal program did not end";
        return LoadedBy(minimal.Id(), from);
    };
    TNames loaded = NotKnown(run({}));
    Plant(folder.Path(), loaded);
    TNames own;
    for (const std::string& path : In(run(loaded), folder.Path())) own.insert(FileName(path));
    return own;
}

class PlantedDlls : public InstallRun {
protected:
    // A complete installation that also opens the folder browser and cancels it, and
    // ends on the font size page with "Изменить настройки" answered No.
    void CompleteRun() {
        Start();
        GoToPathPage();
        robot::Click(Control(L"BtnSelectPath"));
        HWND browser = robot::WaitTopWindow(process.Id(), L"#32770");
        ASSERT_NE(browser, nullptr) << "the folder browser did not open";
        HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
        EXPECT_TRUE(robot::WaitFor([&] { return SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0; }))
            << "the folder browser shows no folder";
        robot::Press(browser, IDCANCEL);
        ASSERT_TRUE(robot::WaitFor([&] { return !IsWindow(browser); }));
        robot::SetText(Control(L"ePath"), target);
        ClickAndWaitPage(L"BtnInputPathNext", L"tsInputComponents");
        DismissNotice();
        robot::Click(Control(L"BtnInsatall"));
        ASSERT_TRUE(WaitVisible(L"tsProgressInstall"));
        AnswerDriver(IDYES);
        ASSERT_TRUE(WaitFontSizePage());
        robot::Click(Control(L"BtnChangeFont"));
        HWND box = robot::WaitMessageBox(process.Id());
        ASSERT_NE(box, nullptr) << "no restart question";
        EXPECT_NE(robot::MessageText(box).find(L"Выполнить перезагрузку сейчас?"), std::wstring::npos);
        robot::Press(box, IDNO);
        ASSERT_TRUE(robot::WaitFor([&] { return !IsWindow(box); }));
        robot::Click(Control(L"BtnExitOnChangefont"));
        ASSERT_TRUE(process.WaitExit(10000));
    }
};

}  // namespace

TEST_F(PlantedDlls, NoneIsLoadedDuringACompleteInstallation) {
    CopyFileTo(BinFolder() + L"syssetup.dll", SystemFolder() + L"syssetup.dll");
    TNames wines = WinesOwn();
    std::printf("left out as Wine's own: %s\n", Joined(wines).c_str());

    Layout();
    SetLoaderSettings({});
    size_t from = LogSize();
    CompleteRun();
    ASSERT_FALSE(HasFatalFailure());
    TNames planted;
    for (const std::string& name : NotKnown(LoadedBy(process.Id(), from)))
        if (!wines.contains(name)) planted.insert(name);
    std::printf("planted beside Install.exe: %s\n", Joined(planted).c_str());
    ASSERT_TRUE(planted.contains("comctl32.dll")) << "the loader's report holds not even the common controls";

    Plant(dist, planted);
    RemoveTree(target);
    CleanPrefix();
    SetLoaderSettings(planted);
    from = LogSize();
    CompleteRun();
    EXPECT_EQ(Joined(In(LoadedBy(process.Id(), from), dist)), "") << "planted libraries were loaded";
    EXPECT_EQ(Fired(dist), "") << "planted libraries ran";
    DeleteFileW((SystemFolder() + L"syssetup.dll").c_str());
}
