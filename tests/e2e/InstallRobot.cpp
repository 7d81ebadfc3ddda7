#include "InstallRobot.h"

#include <shlobj.h>

using namespace testing_support;

namespace {

const wchar_t* const kFontFiles[] = {L"ARIAL.TTF", L"ARIALN.TTF", L"COUR.TTF", L"MICROSS.TTF",
                                     L"TAHOMA.TTF", L"TIMES.TTF", L"verdana.TTF"};
const wchar_t* const kFontValues[] = {L"Liberation Sans",  L"Liberation Sans Narrow", L"Liberation Mono",
                                      L"FreeSans",         L"DejaVu Sans",            L"Liberation Serif",
                                      L"DejaVu Sans Condensed"};

std::wstring DesktopFolder() {
    wchar_t data[MAX_PATH] = L"";
    DWORD size = sizeof data;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 L"Desktop", RRF_RT_REG_SZ, nullptr, data, &size);
    return data;
}

}  // namespace

std::wstring CopyLine(const std::wstring& name, const wchar_t* suffix) {
    return L"Копирование файла " + name + L"...." + suffix;
}

InstallRun::InstallRun() : target(root / L"Holter\\") { CleanPrefix(); }

InstallRun::~InstallRun() {
    // Nothing may be left running into the next test.
    process = robot::Process();
    CleanPrefix();
}

void InstallRun::CleanPrefix() {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    for (const wchar_t* file : kFontFiles) DeleteFileW((std::wstring(windows) + L"\\Fonts\\" + file).c_str());
    for (const wchar_t* value : kFontValues)
        DeleteFontValue(std::wstring(value) + L" (TrueType)");
    DeleteFileW(LinkPath().c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
}

std::wstring InstallRun::LinkPath() const { return DesktopFolder() + L"\\Ритмикон - Холтер.lnk"; }

void InstallRun::Layout(const TDistributionOptions& options) { MakeDistribution(dist, options); }

void InstallRun::SetResolution(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

void InstallRun::BeginInstall(const std::function<void()>& beforeInstall) {
    Start();
    GoToComponentsPage(target);
    if (beforeInstall) beforeInstall();
    robot::Click(Control(L"BtnInsatall"));
    ASSERT_TRUE(WaitVisible(L"tsProgressInstall"));
}

void InstallRun::UncheckDriver() { SendMessageW(Control(L"CbDriverInstal"), BM_SETCHECK, BST_UNCHECKED, 0); }

void InstallRun::AnswerDriver(int buttonId) {
    Answer(L"Подключите интерфейсный блок и нажмите \"Yes\"?", buttonId);
}

bool InstallRun::WaitFontSizePage(int timeoutMs) { return WaitVisible(L"tsChangeFontSize", timeoutMs); }

std::vector<std::wstring> InstallRun::Log() { return robot::ListLines(Control(L"LogList")); }
