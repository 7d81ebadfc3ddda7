#include "ui/Form.h"

#include "ui/Application.h"

namespace ui {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
const wchar_t* const kFormProp = L"ui.TForm";
}

TForm::TForm(const TFormArgs& args)
    : TWinControl(TControlArgs{.Caption = args.Caption, .Font = &args.Font}) {
    RECT r{0, 0, args.ClientWidth, args.ClientHeight};
    DWORD style = kStyle | (args.SystemMenu ? WS_SYSMENU | WS_MINIMIZEBOX : 0);
    DWORD exStyle = WS_EX_CONTROLPARENT | (args.StayOnTop ? WS_EX_TOPMOST : 0);
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    CreateOwnWindow(args.ClassName, style, exStyle, Application().Handle());
    SetPropW(Handle(), kFormProp, reinterpret_cast<HANDLE>(1));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Application().AddForm(this);
}

TForm::~TForm() {
    if (Handle()) DestroyWindow(Handle());
}

bool TForm::IsForm(HWND wnd) { return GetPropW(wnd, kFormProp) != nullptr; }

void TForm::CenterOnScreen() {
    int w = Width(), h = Height();
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    if (!shown_) {
        CenterOnScreen();
        shown_ = true;
    }
    if (OnShow) OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm::ShowModal() {
    TForm* main = Application().MainForm();
    HWND disabled = main && main != this && IsWindowEnabled(main->Handle()) ? main->Handle() : nullptr;
    if (disabled) EnableWindow(disabled, FALSE);
    modal_ = true;
    Show();
    MSG msg;
    while (modal_ && IsWindow(Handle())) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageW(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    modal_ = false;
    if (disabled) {
        EnableWindow(disabled, TRUE);
        SetActiveWindow(disabled);
    }
}

void TForm::SetOuterBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm::BringToFront() {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    return canClose;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        if (!CloseQuery()) return 0;
        if (OnClose) OnClose();
        if (modal_) {
            ShowWindow(Handle(), SW_HIDE);
            modal_ = false;
        } else {
            DestroyWindow(Handle());
        }
        return 0;
    case WM_QUERYENDSESSION:
        return CloseQuery() ? TRUE : FALSE;
    case WM_DESTROY:
        RemovePropW(Handle(), kFormProp);
        Application().RemoveForm(this);
        break;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

}  // namespace ui
