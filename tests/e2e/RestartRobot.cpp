// Drives a whole installation to the font size page and answers "Изменить настройки"
// with Yes, in a throwaway Wine prefix (scripts/restart-test). OtherProgram.exe stands
// for the user's other programs: the restart must ask it whether the session may end
// (so it could save), which it notes in build\restart\queried.txt. This robot has no
// window of its own, so the end of the session leaves it running; it notes
// answered.txt before answering and ended.txt once the wizard has ended.
#include <cstdio>
#include <stdexcept>

#include "Distribution.h"
#include "Robot.h"
#include "TestSupport.h"

using namespace testing_support;

namespace {

void Expect(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

HWND Part(HWND main, const wchar_t* name) { return robot::FindControl(main, name); }

std::wstring Markers() { return BuildFolder() + L"restart\\"; }

void ClickAndWait(HWND main, const wchar_t* button, const wchar_t* page) {
    robot::Click(Part(main, button));
    Expect(robot::WaitFor([&] { return robot::IsVisible(Part(main, page)); }, 60000), "a page did not appear");
}

}  // namespace

int wmain() {
    try {
        robot::Process other = robot::Launch(BinFolder() + L"OtherProgram.exe", BinFolder());
        Expect(robot::WaitFor([&] { return robot::FindTopWindow(other.Id(), L"OtherProgram", false) != nullptr; }),
               "the other program did not start");
        TempFolder root(L"restart");
        std::wstring dist = root / L"dist\\";
        MakeDistribution(dist);
        wchar_t system[MAX_PATH];
        GetSystemDirectoryW(system, MAX_PATH);
        CopyFileTo(BinFolder() + L"syssetup.dll", std::wstring(system) + L"\\syssetup.dll");

        robot::Process process = robot::Launch(dist + L"Install.exe", dist);
        HWND main = robot::WaitTopWindow(process.Id(), L"TFMain", 30000);
        Expect(main != nullptr, "the wizard did not appear");
        ClickAndWait(main, L"BtnStartNext", L"tsInputPath");
        robot::SetText(Part(main, L"ePath"), root / L"Holter");
        ClickAndWait(main, L"BtnInputPathNext", L"tsInputComponents");
        HWND notice = robot::WaitTopWindow(process.Id(), L"TFMessageform");
        Expect(notice != nullptr, "no driver notice");
        robot::Click(robot::FindControl(notice, L"btnOK"));
        robot::WaitFor([&] { return !robot::IsVisible(notice); });
        SendMessageW(Part(main, L"CbDriverInstal"), BM_SETCHECK, BST_UNCHECKED, 0);
        robot::Click(Part(main, L"BtnInsatall"));
        Expect(robot::WaitFor([&] { return robot::IsVisible(Part(main, L"tsChangeFontSize")); }, 60000),
               "the font size page did not appear");

        robot::Click(Part(main, L"BtnChangeFont"));
        HWND box = robot::WaitMessageBox(process.Id(), 20000);
        Expect(box != nullptr, "no restart question");
        Expect(robot::MessageText(box).find(L"Выполнить перезагрузку сейчас?") != std::wstring::npos,
               "another question than the restart's");
        WriteBytes(Markers() + L"answered.txt", "answered Yes\r\n");
        robot::Press(box, IDYES);
        Expect(process.WaitExit(20000), "the wizard did not end");
        WriteBytes(Markers() + L"ended.txt", "the wizard ended\r\n");
        robot::WaitFor([] { return IsFile(Markers() + L"queried.txt"); }, 20000);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "restart robot: %s\n", e.what());
        return 1;
    }
}
