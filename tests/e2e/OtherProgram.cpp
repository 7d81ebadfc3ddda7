// Stands for the user's other programs during the restart test: a window that notes
// in build\restart\queried.txt that it was asked whether the session may end, which
// is its chance to save.
#include <windows.h>

#include "TestSupport.h"

int wmain() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND w, UINT msg, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
        if (msg == WM_QUERYENDSESSION) {
            testing_support::WriteBytes(testing_support::BuildFolder() + L"restart\\queried.txt",
                                        "asked whether the session may end\r\n");
            return TRUE;
        }
        return DefWindowProcW(w, msg, wp, lp);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OtherProgram";
    RegisterClassW(&wc);
    CreateWindowExW(0, L"OtherProgram", L"Несохранённый документ", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                    nullptr, wc.hInstance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
