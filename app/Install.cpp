// The program entry: start-up in its fixed order, then the message loop until the
// wizard window has closed.
#include <windows.h>

#include <memory>

#include "app/ScreenMonitorManager.h"
#include "common/RK_Common_Proc.h"
#include "ui/Application.h"
#include "ui/SystemLibrary.h"
#include "wizard/Main.h"
#include "wizard/WaitRun.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Libraries loaded later come from the system folder only, never from the
    // distribution medium beside the program. Looked up, not imported: Windows 7
    // without its later updates has no such function and would not start the program.
    ui::FenceLibrarySearch(ui::LookUpSetDefaultDllDirectories());

    // The shared units start first, in their fixed order: settings, then labels.
    StartSharedUnits(ProgramFolder());

    SetCurrentDirectoryW(ProgramFolder().c_str());
    static TmyScreen screen;  // lives until the process ends
    myScreen = &screen;
    std::unique_ptr<TFMain> mainForm;
    std::unique_ptr<TFWaitRun> waitRun;
    try {
        ui::Application().Initialize();
        ui::Application().SetTitle(L"Установка комплекса \"Ритмикон-Холтер\"");
        mainForm = std::make_unique<TFMain>();
        FMain = mainForm.get();
        waitRun = std::make_unique<TFWaitRun>();
        FWaitRun = waitRun.get();
    } catch (...) {
        // A library that cannot be loaded or a window that cannot be made (a resource
        // missing from a broken build) is reported, and the program ends without a
        // half-made wizard. The half-made window's end already asked the loop to quit,
        // which would close the box at once.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        ui::Application().HandleException();
        return 1;
    }
    ui::Application().Run();
    return 0;
}
