// The program entry: start-up in its fixed order, then the message loop until the
// wizard window has closed.
#include <windows.h>

#include <memory>

#include "app/ScreenMonitorManager.h"
#include "common/RK_Common_Proc.h"
#include "ui/Application.h"
#include "wizard/Main.h"
#include "wizard/WaitRun.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Libraries loaded later come from the system folder only, never from the
    // distribution medium beside the program.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    // The shared units start first, in their fixed order: settings, then labels.
    StartSharedUnits(ProgramFolder());

    SetCurrentDirectoryW(ProgramFolder().c_str());
    static TmyScreen screen;  // lives until the process ends
    myScreen = &screen;
    ui::Application().Initialize();
    ui::Application().SetTitle(L"Установка комплекса \"Ритмикон-Холтер\"");
    auto mainForm = std::make_unique<TFMain>();
    FMain = mainForm.get();
    auto waitRun = std::make_unique<TFWaitRun>();
    FWaitRun = waitRun.get();
    ui::Application().Run();
    return 0;
}
