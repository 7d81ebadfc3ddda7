#include "winint/FontSize.h"

#include <windows.h>

#include "ui/Handle.h"
#include "ui/SystemLibrary.h"

bool IsSmallFonts() {
    ui::WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSX) < 100;
}

void SetLargeFontSize() {
    // From the system folder of the program's own word size (under WOW64 the 32-bit
    // one): a file of that name beside the program or on the medium never runs inside
    // the installer.
    ui::Module setup = ui::LoadSystemLibrary(L"syssetup.dll");
    if (!setup) return;
    using ChangeFn = BOOL(WINAPI*)(HWND, LPCWSTR);
    auto change = ui::LookUp<ChangeFn>(setup.get(), "SetupChangeFontSize");
    if (change) change(nullptr, L"120");
}

bool RestartWindows(uint32_t flags) {
    ui::Handle token;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) {
        TOKEN_PRIVILEGES privileges{};
        if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
            privileges.PrivilegeCount = 1;
            privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
            TOKEN_PRIVILEGES previous{};
            DWORD size = sizeof previous;
            AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof previous, &previous, &size);
        }
    }
    return ExitWindowsEx(flags, 0) != 0;
}
