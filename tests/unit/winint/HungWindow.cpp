// A program that has stopped answering: it shows a top-level window, then serves no
// message for a minute.
#include <windows.h>

int wmain() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HungWindow";
    RegisterClassW(&wc);
    CreateWindowExW(0, L"HungWindow", L"Не отвечает", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                    nullptr, wc.hInstance, nullptr);
    Sleep(60000);
    return 0;
}
