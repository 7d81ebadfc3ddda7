#include "ui/Application.h"

#include <objbase.h>

#include "ui/CommonControls.h"
#include "ui/Exception.h"
#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/SystemLibrary.h"

namespace ui {

TApplication& Application() {
    static TApplication app;
    return app;
}

void TApplication::Initialize() {
    HRESULT hr = CoInitialize(nullptr);
    comInitialized_ = SUCCEEDED(hr);
    InitCommonControls();
    // The rich edit class lives in this library: loaded for the life of the process.
    LoadSystemLibrary(L"msftedit.dll").release();
    Screen();
}

TApplication::~TApplication() {
    if (handle_) DestroyWindow(handle_);
    if (comInitialized_) CoUninitialize();
}

static LRESULT CALLBACK AppWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    // The taskbar button belongs to this window: activating it activates the main form.
    if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE)
        if (TForm* main = Application().MainForm(); main && main->Handle() && IsWindowEnabled(main->Handle()))
            SetActiveWindow(main->Handle());
    return DefWindowProcW(wnd, msg, wp, lp);
}

HWND TApplication::Handle() {
    if (!handle_) {
        HINSTANCE inst = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = AppWindowProc;
        wc.hInstance = inst;
        wc.hIcon = LoadIconW(inst, MAKEINTRESOURCEW(1));
        wc.lpszClassName = L"TApplication";
        RegisterClassExW(&wc);
        handle_ = CreateWindowExW(WS_EX_APPWINDOW, L"TApplication", title_.c_str(), WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, inst, nullptr);
        if (!handle_) RaiseLastOSError(L"TApplication");
    }
    return handle_;
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    SetWindowTextW(Handle(), title_.c_str());
}

void TApplication::AddForm(TForm* form) {
    if (!mainForm_) mainForm_ = form;
}

void TApplication::RemoveForm(TForm* form) {
    if (form == mainForm_) {
        mainForm_ = nullptr;
        terminated_ = true;
        PostQuitMessage(0);
    }
}

bool TApplication::HandleMessage(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    // Keyboard navigation between the controls of our forms.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && TForm::IsForm(root) && IsDialogMessageW(root, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::Run() {
    if (!mainForm_) return;
    ShowWindow(Handle(), SW_SHOWNA);
    mainForm_->Show();
    MSG msg;
    while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) HandleMessage(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!HandleMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
    }
}

bool TApplication::WaitCursor() const { return Screen().Cursor() == crHourGlass; }

void TApplication::SetWaitCursor(bool wait) { Screen().SetCursor(wait ? crHourGlass : crDefault); }

void TApplication::HandleException() {
    try {
        throw;
    } catch (const Exception& e) {
        ShowException(e.Message);
    } catch (const std::exception& e) {
        std::string what = e.what();
        ShowException(std::wstring(what.begin(), what.end()));
    } catch (...) {
        ShowException(L"Неизвестная ошибка");
    }
}

void TApplication::ShowException(const std::wstring& message) {
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_) owner = mainForm_->Handle();
    MessageBoxW(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace ui
