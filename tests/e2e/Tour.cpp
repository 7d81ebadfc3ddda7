// Starts build\dist\Install.exe, saves a picture of the wizard window to
// build\screens\ and closes the program again. Used by `make run` without a display.
#include <cstdio>

#include "Robot.h"
#include "TestSupport.h"

using namespace testing_support;

int wmain() {
    std::wstring dist = BuildFolder() + L"dist\\";
    std::wstring screens = BuildFolder() + L"screens\\";
    MakeFolders(screens);
    robot::Process process = robot::Launch(dist + L"Install.exe", dist);
    HWND main = robot::WaitTopWindow(process.Id(), L"TFMain", 20000);
    if (!main) {
        std::fprintf(stderr, "the wizard window did not appear\n");
        return 1;
    }
    Sleep(500);
    std::wstring shot = screens + L"01-start.png";
    robot::SaveScreenshot(main, shot);
    std::printf("screenshot: %s\n", Utf8(shot).c_str());
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return process.WaitExit(10000) ? 0 : 1;
}
