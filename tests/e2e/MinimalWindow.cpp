// The least a windowed program does: imports from the known DLLs that Install.exe
// imports (kernel32, msvcrt, user32, gdi32, advapi32, ole32, oleaut32, shell32) and
// nothing else, shows a window with a scroll bar (which Wine draws through its theme
// library), serves its messages for a second and ends. What Wine's own system
// libraries load for it, they load for any such program.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = inst;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"MinimalWindow";
    RegisterClassW(&wc);
    HWND wnd = CreateWindowW(L"MinimalWindow", L"MinimalWindow", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, inst, nullptr);
    if (!wnd) return 1;
    // One call into each of the other libraries, so that each is imported.
    RegCloseKey(nullptr);
    CoTaskMemFree(nullptr);
    SysFreeString(nullptr);
    DragAcceptFiles(wnd, FALSE);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 1000) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    DestroyWindow(wnd);
    return 0;
}
