// Starts build\dist\Install.exe, walks the wizard's pages and saves a picture of each
// to build\screens\, then closes the program. Used by `make run` without a display.
#include <cstdio>

#include "Robot.h"
#include "TestSupport.h"

using namespace testing_support;

namespace {

struct Tour {
    robot::Process process;
    HWND main = nullptr;
    std::wstring screens;
    int shots = 0;

    void Shot(const std::wstring& name) {
        Sleep(400);
        wchar_t number[8];
        swprintf(number, 8, L"%02d-", ++shots);
        std::wstring path = screens + number + name + L".png";
        robot::SaveScreenshot(main, path);
        std::printf("screenshot: %s\n", Utf8(path).c_str());
    }

    bool ClickAndWait(const wchar_t* button, const wchar_t* page) {
        robot::Click(robot::FindControl(main, button));
        return robot::WaitFor([&] { return robot::IsVisible(robot::FindControl(main, page)); });
    }
};

}  // namespace

int wmain() {
    Tour tour;
    std::wstring dist = BuildFolder() + L"dist\\";
    tour.screens = BuildFolder() + L"screens\\";
    MakeFolders(tour.screens);
    std::wstring target = BuildFolder() + L"target\\";
    RemoveTree(target);
    MakeFolders(target);

    tour.process = robot::Launch(dist + L"Install.exe", dist);
    tour.main = robot::WaitTopWindow(tour.process.Id(), L"TFMain", 20000);
    if (!tour.main) {
        std::fprintf(stderr, "the wizard window did not appear\n");
        return 1;
    }
    tour.Shot(L"start");
    if (!tour.ClickAndWait(L"BtnStartNext", L"tsInputPath")) return 1;
    robot::SetText(robot::FindControl(tour.main, L"ePath"), target + L"Holter");
    tour.Shot(L"path");
    if (!tour.ClickAndWait(L"BtnInputPathNext", L"tsInputComponents")) return 1;
    tour.Shot(L"components");
    robot::Click(robot::FindControl(tour.main, L"BtnCancel4"));
    HWND box = robot::WaitMessageBox(tour.process.Id());
    if (!box) return 1;
    robot::Press(box, IDYES);
    if (!robot::WaitFor([&] { return robot::IsVisible(robot::FindControl(tour.main, L"tsCancel")); })) return 1;
    tour.Shot(L"cancel");
    robot::Click(robot::FindControl(tour.main, L"BtnExitCancel"));
    return tour.process.WaitExit(10000) ? 0 : 1;
}
